#pragma once

#include "db/branch_store.h"
#include "db/store_statements.h"
#include "db/system_record.h"

#include <sqlite3.h>

#include <iostream>
#include <optional>
#include <string>
#include <vector>

// A system as saved: its branches by the names of saved branches.
struct SavedSystemBranch {
    std::string branchName;
    MainSection main;
    FootDevice foot = FootDevice::None;
    std::vector<ReturnSection> returns;
};

struct SavedSystem {
    SystemSettings settings;
    std::vector<SavedSystemBranch> branches;
};

// The saved systems in tables impianti, impianti_rami and impianti_ritorni
// of an open database, their branches in the saved branches' tables. Each
// change runs in one transaction, so a failure leaves the system as it was.
// Values are bound, never formatted into the statements.
class SystemStore : public RecordStore<SavedSystem>, private StoreStatements {
public:
    SystemStore(sqlite3* db, std::ostream& errors);

    // Creates the tables when the file lacks them (an older catalogue).
    bool ensureTables();
    std::vector<std::string> names() override;
    // A branch deleted since the system was saved has left it.
    std::optional<SavedSystem> open(const std::string& name) override;
    // Writes the system under its name, replacing a saved one of that name;
    // Missing when a branch it names is not saved.
    StoreResult save(const SavedSystem& system) override;
    StoreResult rename(const std::string& from, const std::string& to) override;
    StoreResult remove(const std::string& name) override;

private:
    bool deleteRows(sqlite3_int64 id);
    StoreResult writeBranches(sqlite3_int64 id, const std::vector<SavedSystemBranch>& branches);
};

// The system with its branches as saved, ready to balance; a branch missing
// from the branches' store is left out.
HydronicSystem withSavedBranches(const SavedSystem& saved, RecordStore<Branch>& branches);

// The saved system with its saved branches, ready to balance; none when the
// system is not saved. A branch missing from the branches' tables is left out.
std::optional<HydronicSystem> openSystem(SystemStore& systems, BranchStore& branches, const std::string& name);
