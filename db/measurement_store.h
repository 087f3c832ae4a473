#pragma once

#include "db/measurement_row.h"

#include <sqlite3.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// The measurements of the valve list (table misure) on the program's
// connection. Every operation answers with the database's reason when it
// fails, so that the window can tell the user; nothing is written to the
// error stream.
class MeasurementStore {
public:
    explicit MeasurementStore(sqlite3* db) : db_(db) {}

    // Records the measurement of a valve, replacing an earlier one of the
    // same valve; creates the table when the file lacks it.
    std::optional<std::string> record(const MeasurementRow& row);
    // Forgets the measurement of one valve, or of every valve. A file
    // without the table has none to forget.
    std::optional<std::string> remove(std::int64_t posizione, const std::string& riferimento);
    std::optional<std::string> removeAll();

    struct Loaded {
        std::vector<MeasurementRow> rows;
        std::optional<std::string> error;
    };
    // Every measurement, by valve number; a file without the table holds none.
    Loaded load() const;

private:
    bool hasTable() const;

    sqlite3* db_;
};

// The measurement of a valve, or nullptr.
const MeasurementRow* findMeasurement(const std::vector<MeasurementRow>& rows, std::int64_t posizione,
                                      const std::string& riferimento);
