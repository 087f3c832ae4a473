#pragma once

// The tables that keep the saved branches, next to the catalogue and the
// valve list in DB/mvd.db. Both the catalogue builder and the program run
// this text, so a file of either origin ends up with the same tables; every
// statement is "IF NOT EXISTS", so running it again changes nothing.
// Flows are kept in l/s and pressures in kPa, whatever the units in force.
// A circuit whose flow came from its heat load keeps the power and the
// temperatures as typed, with their unit labels, as the valve list does
// (absolute temperatures are never converted); they are NULL otherwise.
// A circuit's pipe section (metres, millimetres) and its control valve's
// Kvs are NULL where it has none; a branch's fluid temperature (C),
// velocity limit (m/s) and authority limit are NULL in a file written
// before them and read as the defaults.
inline constexpr const char* kBranchSchema =
    "CREATE TABLE IF NOT EXISTS rami (\n"
    "  id INTEGER PRIMARY KEY,\n"
    "  nome TEXT NOT NULL UNIQUE,\n"
    "  dp_min_statica REAL NOT NULL,\n"
    "  limite_rumore REAL NOT NULL\n"
    ");\n"
    "CREATE TABLE IF NOT EXISTS rami_circuiti (\n"
    "  ramo INTEGER NOT NULL,\n"
    "  ordine INTEGER NOT NULL,\n"
    "  riferimento TEXT NOT NULL,\n"
    "  portata REAL NOT NULL,\n"
    "  perdita_circuito REAL NOT NULL,\n"
    "  perdita_colonna REAL NOT NULL,\n"
    "  tipo INTEGER NOT NULL,\n"
    "  potenza REAL,\n"
    "  mu_potenza TEXT,\n"
    "  t_mandata REAL,\n"
    "  t_ritorno REAL,\n"
    "  mu_temperatura TEXT,\n"
    "  PRIMARY KEY (ramo, ordine)\n"
    ");\n";

// The heat load's columns, for a file whose circuits table predates them.
inline constexpr const char* kBranchHeatLoadColumns = "ALTER TABLE rami_circuiti ADD COLUMN potenza REAL;\n"
                                                      "ALTER TABLE rami_circuiti ADD COLUMN mu_potenza TEXT;\n"
                                                      "ALTER TABLE rami_circuiti ADD COLUMN t_mandata REAL;\n"
                                                      "ALTER TABLE rami_circuiti ADD COLUMN t_ritorno REAL;\n"
                                                      "ALTER TABLE rami_circuiti ADD COLUMN mu_temperatura TEXT;\n";

// The pipe sections' and control valves' columns, for files whose tables
// predate them.
inline constexpr const char* kBranchPipeColumns = "ALTER TABLE rami ADD COLUMN temperatura_fluido REAL;\n"
                                                  "ALTER TABLE rami ADD COLUMN limite_velocita REAL;\n"
                                                  "ALTER TABLE rami ADD COLUMN limite_autorita REAL;\n"
                                                  "ALTER TABLE rami_circuiti ADD COLUMN lunghezza_tubo REAL;\n"
                                                  "ALTER TABLE rami_circuiti ADD COLUMN diametro_tubo REAL;\n"
                                                  "ALTER TABLE rami_circuiti ADD COLUMN rugosita_tubo REAL;\n"
                                                  "ALTER TABLE rami_circuiti ADD COLUMN zeta_tubo REAL;\n"
                                                  "ALTER TABLE rami_circuiti ADD COLUMN kvs_regolazione REAL;\n";
