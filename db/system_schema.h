#pragma once

// The tables that keep the saved systems, beside the saved branches in
// DB/mvd.db. Both the catalogue builder and the program run this text, so a
// file of either origin ends up with the same tables; every statement is
// "IF NOT EXISTS", so running it again changes nothing. A system's branch
// is the saved branch (rami.id) at its place on the main, so renaming or
// editing it in the branch window carries over; pressures in kPa, the main's
// and the returns' pipe sections (metres, millimetres) NULL where a loss is
// typed instead.
inline constexpr const char* kSystemSchema =
    "CREATE TABLE IF NOT EXISTS impianti (\n"
    "  id INTEGER PRIMARY KEY,\n"
    "  nome TEXT NOT NULL UNIQUE,\n"
    "  perdita_centrale REAL NOT NULL,\n"
    "  temperatura_fluido REAL NOT NULL,\n"
    "  limite_velocita REAL NOT NULL,\n"
    "  limite_rumore REAL NOT NULL,\n"
    "  dp_min_statica REAL NOT NULL\n"
    ");\n"
    "CREATE TABLE IF NOT EXISTS impianti_rami (\n"
    "  impianto INTEGER NOT NULL,\n"
    "  ordine INTEGER NOT NULL,\n"
    "  ramo INTEGER NOT NULL,\n"
    "  perdita_dorsale REAL NOT NULL,\n"
    "  lunghezza_tubo REAL,\n"
    "  diametro_tubo REAL,\n"
    "  rugosita_tubo REAL,\n"
    "  zeta_tubo REAL,\n"
    "  piede INTEGER NOT NULL,\n"
    "  PRIMARY KEY (impianto, ordine)\n"
    ");\n"
    "CREATE TABLE IF NOT EXISTS impianti_ritorni (\n"
    "  impianto INTEGER NOT NULL,\n"
    "  ordine_ramo INTEGER NOT NULL,\n"
    "  ordine INTEGER NOT NULL,\n"
    "  perdita REAL NOT NULL,\n"
    "  lunghezza_tubo REAL,\n"
    "  diametro_tubo REAL,\n"
    "  rugosita_tubo REAL,\n"
    "  zeta_tubo REAL,\n"
    "  PRIMARY KEY (impianto, ordine_ramo, ordine)\n"
    ");\n";
