#pragma once

#include <sqlite3.h>

#include <optional>
#include <string>

// Brings a table misure of an earlier version (one reading per valve, keyed
// by the valve) to the layout that keeps every reading, in one transaction:
// its rows become the first reading of their valves. Nothing happens to a
// file without the table or with the current one. The database's reason
// when it fails; the file is then unchanged.
std::optional<std::string> migrateMeasurementTable(sqlite3* db);
