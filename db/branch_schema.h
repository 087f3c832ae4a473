#pragma once

// The tables that keep the saved branches, next to the catalogue and the
// valve list in DB/mvd.db. Both the catalogue builder and the program run
// this text, so a file of either origin ends up with the same tables; every
// statement is "IF NOT EXISTS", so running it again changes nothing.
// Flows are kept in l/s and pressures in kPa, whatever the units in force.
// A circuit whose flow came from its heat load keeps the power and the
// temperatures as typed, with their unit labels, as the valve list does
// (absolute temperatures are never converted); they are NULL otherwise.
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
