#pragma once

#include "db/branch_record.h"

#include <sqlite3.h>

#include <functional>
#include <iostream>
#include <memory>
#include <optional>
#include <string>
#include <vector>

// What a change of the saved branches came to.
enum class BranchStoreResult {
    Done,
    NoName,    // a branch needs a name
    NameTaken, // another branch has that name already
    Missing,   // no branch of that name
    Failed,    // the database refused; the error line is written
};

// The saved branches in tables rami and rami_circuiti of an open database.
// Each change runs in one transaction, so a failure leaves the branch as it
// was. Values are bound, never formatted into the statements. A failing
// statement writes "SQL error <label>: <message>" to the error stream.
class BranchStore {
public:
    BranchStore(sqlite3* db, std::ostream& errors);

    // Creates the tables when the file lacks them (an older catalogue), and
    // adds the heat load's, the pipe sections' and the control valves'
    // columns to tables that predate them.
    bool ensureTables();
    // The names, in alphabetical order (byte order).
    std::vector<std::string> names();
    std::optional<Branch> open(const std::string& name);
    // Writes the branch under its name, replacing a saved one of that name.
    BranchStoreResult save(const Branch& branch);
    BranchStoreResult rename(const std::string& from, const std::string& to);
    BranchStoreResult remove(const std::string& name);

private:
    struct Finalizer {
        void operator()(sqlite3_stmt* statement) const { sqlite3_finalize(statement); }
    };
    using Statement = std::unique_ptr<sqlite3_stmt, Finalizer>;

    // Null after writing the error line.
    Statement prepare(const char* sql, const char* label);
    // Steps a statement that returns no rows; false after the error line.
    bool finish(const Statement& statement, const char* label);
    bool run(const char* sql, const char* label);
    bool deleteCircuits(sqlite3_int64 id);
    // Whether rami_circuiti has the column; none when the database refused.
    std::optional<bool> hasCircuitColumn(const char* name);
    std::optional<sqlite3_int64> idOf(const std::string& name);
    bool writeCircuits(sqlite3_int64 id, const std::vector<BranchCircuit>& circuits);
    // Runs change between BEGIN and COMMIT; anything but Done rolls back.
    BranchStoreResult transaction(const char* label, const std::function<BranchStoreResult()>& change);

    sqlite3* db_;
    std::ostream& errors_;
};
