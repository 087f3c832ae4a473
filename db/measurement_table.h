#pragma once

// Table misure: one commissioning measurement per valve of the valve list.
// The catalogue builder creates it with the valve list, the program when an
// older file lacks it; a catalogue rebuild keeps it.
inline constexpr const char* kMeasurementTableSchema =
    "CREATE TABLE IF NOT EXISTS misure (\n"
    "  posizione INTEGER NOT NULL,\n"
    "  riferimento TEXT NOT NULL,\n"
    "  dP REAL,\n"
    "  muP TEXT,\n"
    "  presetting TEXT,\n"
    "  portata REAL,\n"
    "  muQ TEXT,\n"
    "  esito INTEGER,\n"
    "  data TEXT,\n"
    "  PRIMARY KEY (posizione, riferimento)\n"
    ");\n";
