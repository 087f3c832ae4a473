#pragma once

// Table misure: every commissioning reading of the valves of the valve list,
// numbered in the order they were recorded (lettura), so that a second
// reading of a valve joins the first instead of replacing it. The catalogue
// builder creates it with the valve list, the program when an older file
// lacks it; a catalogue rebuild keeps it. Files of earlier versions hold one
// reading per valve, keyed by the valve; the store brings them to this
// layout the first time it touches them.
inline constexpr const char* kMeasurementTableSchema =
    "CREATE TABLE IF NOT EXISTS misure (\n"
    "  lettura INTEGER PRIMARY KEY,\n"
    "  posizione INTEGER NOT NULL,\n"
    "  riferimento TEXT NOT NULL,\n"
    "  dP REAL,\n"
    "  muP TEXT,\n"
    "  presetting TEXT,\n"
    "  portata REAL,\n"
    "  muQ TEXT,\n"
    "  esito INTEGER,\n"
    "  data TEXT,\n"
    "  confermata INTEGER NOT NULL DEFAULT 0\n"
    ");\n";
