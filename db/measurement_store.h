#pragma once

#include "db/db_failure.h"
#include "db/measurement_row.h"
#include "db/sqlite_handle.h"

#include <sqlite3.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// The readings of the valve list (table misure) on the program's
// connection. Every operation answers with the database's failure, so that
// the window can tell the user; nothing is written to the error stream. A
// file that could not be read (another program's lock) is never taken for
// one without the table: that is a failure too. A table of an earlier
// version, one reading per valve, is brought to the current layout by
// whichever operation touches it first.
class MeasurementStore {
public:
    explicit MeasurementStore(sqlite3* db) : db_(db) {}

    // Adds a reading of a valve after the ones it already has (the row's
    // reading number is not used: the next one is given); creates the table
    // when the file lacks it.
    std::optional<DbFailure> record(const MeasurementRow& row);
    // Forgets every reading of one valve, or of every valve. A file without
    // the table has none to forget.
    std::optional<DbFailure> remove(std::int64_t posizione, const std::string& riferimento);
    std::optional<DbFailure> removeAll();
    // Forgets the readings of numbers and designations the valve list no
    // longer has (another program deleted or replaced their valves).
    std::optional<DbFailure> removeOrphans();

    struct Loaded {
        std::vector<MeasurementRow> rows;
        std::optional<DbFailure> error;
    };
    // Every reading, by valve number and designation, each valve's in the
    // order they were recorded; a file without the table holds none.
    Loaded load() const;

private:
    // Whether the file has the table, or why that could not be read.
    struct TableCheck {
        bool exists = false;
        std::optional<DbFailure> error;
    };
    TableCheck checkTable() const;
    // Runs a change of the table, which a file without it needs none of.
    std::optional<DbFailure> changeTable(const SqliteStatement& statement);

    sqlite3* db_;
};

// The latest reading of a valve, or nullptr: the highest reading number, of
// equal numbers (rows not read from the store) the later row.
const MeasurementRow* findMeasurement(const std::vector<MeasurementRow>& rows, std::int64_t posizione,
                                      const std::string& riferimento);
