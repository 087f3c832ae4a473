#pragma once

#include "db/branch_record.h"
#include "db/store_statements.h"

#include <sqlite3.h>

#include <functional>
#include <iostream>
#include <memory>
#include <optional>
#include <string>
#include <vector>

// The saved branches in tables rami and rami_circuiti of an open database.
// Each change runs in one transaction, so a failure leaves the branch as it
// was. Values are bound, never formatted into the statements. A failing
// statement writes "SQL error <label>: <message>" to the error stream.
class BranchStore : public RecordStore<Branch>, private StoreStatements {
public:
    BranchStore(sqlite3* db, std::ostream& errors);

    // Creates the tables when the file lacks them (an older catalogue), and
    // adds the heat load's, the pipe sections' and the control valves'
    // columns to tables that predate them.
    bool ensureTables();
    std::vector<std::string> names() override;
    std::optional<Branch> open(const std::string& name) override;
    // Writes the branch under its name, replacing a saved one of that name.
    StoreResult save(const Branch& branch) override;
    StoreResult rename(const std::string& from, const std::string& to) override;
    StoreResult remove(const std::string& name) override;

private:
    bool deleteCircuits(sqlite3_int64 id);
    // Whether rami_circuiti has the column; none when the database refused.
    std::optional<bool> hasCircuitColumn(const char* name);
    std::optional<sqlite3_int64> idOf(const std::string& name);
    bool writeCircuits(sqlite3_int64 id, const std::vector<BranchCircuit>& circuits);
};
