#pragma once

// The tables that keep the saved branches, next to the catalogue and the
// valve list in DB/mvd.db. Both the catalogue builder and the program run
// this text, so a file of either origin ends up with the same tables; every
// statement is "IF NOT EXISTS", so running it again changes nothing.
// Flows are kept in l/s and pressures in kPa, whatever the units in force.
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
    "  PRIMARY KEY (ramo, ordine)\n"
    ");\n";
