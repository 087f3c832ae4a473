// The valve list when its file cannot be written: read-only, locked by
// another writer, not a database at all. Adding and deleting report the
// failure on the error stream and change nothing; every stored valve is
// still there afterwards, in a file that passes PRAGMA integrity_check.

#include "app/app_state.h"
#include "app/startup.h"
#include "db/product_db.h"
#include "db/sqlite_handle.h"
#include "valve_list/valve_list_addition.h"
#include "tests/reliability/broken_catalogue.h"
#include "tests/reliability/fault.h"
#include "tests/reliability/unprivileged_user.h"
#include "tests/reliability/valve_list_check.h"
#include "tests/support/file_bytes.h"
#include "tests/support/recorded_messages.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <memory>
#include <optional>
#include <sstream>

namespace fs = std::filesystem;

namespace {

std::unique_ptr<Fault> readOnly(const fs::path& path, fs::perms writable)
{
    fs::permissions(path, writable & ~(fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write));
    return std::make_unique<Fault>([path, writable] { fs::permissions(path, writable); });
}

// Another program holds a write transaction with a valve of its own, and
// commits it when the fault ends.
std::unique_ptr<Fault> lockedByAnotherWriter(const fs::path& database)
{
    sqlite3* raw = nullptr;
    sqlite3_open(database.c_str(), &raw);
    auto other = std::make_shared<SqliteHandle>(raw);
    EXPECT_EQ(sqlite3_exec(raw,
                           "BEGIN IMMEDIATE; INSERT INTO progetti (posizione, riferimento) VALUES (9, 'Other program');",
                           nullptr, nullptr, nullptr),
              SQLITE_OK);
    return std::make_unique<Fault>([other] { sqlite3_exec(other->get(), "COMMIT", nullptr, nullptr, nullptr); });
}

const char* const kSpreadsheetText = "posizione;riferimento\r\n1;Riser 1\r\n";

std::unique_ptr<Fault> notADatabase(const fs::path& database)
{
    std::ofstream(database, std::ios::binary | std::ios::trunc) << kSpreadsheetText;
    return std::make_unique<Fault>();
}

struct StoreFault {
    const char* name;
    std::function<std::unique_ptr<Fault>(const fs::path& database)> impose;
    bool asUnprivilegedUser; // permissions are the fault
    bool openError;          // text 101 at start-up
    std::multiset<std::string> keptDesignations;
};

void PrintTo(const StoreFault& fault, std::ostream* out) { *out << fault.name; }

const std::multiset<std::string> kThree{"Riser 1", "Riser 2", "Riser 3"};

std::vector<StoreFault> storeFaults()
{
    std::multiset<std::string> threeAndOther = kThree;
    threeAndOther.insert("Other program");
    return {
        {"ReadOnlyFile",
         [](const fs::path& database) { return readOnly(database, fs::perms(0644)); }, true, false, kThree},
        {"ReadOnlyDatabaseFolder",
         [](const fs::path& database) { return readOnly(database.parent_path(), fs::perms(0755)); }, true, false,
         kThree},
        {"LockedByAnotherWriter", lockedByAnotherWriter, false, false, threeAndOther},
        {"NotADatabase", notADatabase, false, true, {}},
    };
}

class ValveListFaultTest : public testing::TestWithParam<StoreFault> {
protected:
    fs::path database() const { return folder.path() / "DB" / "mvd.db"; }

    TempFolder folder;
    AppState state;
    std::ostringstream errors;
    RecordedMessages messages;
};

TEST_P(ValveListFaultTest, AddAndDeleteFailVisiblyAndLoseNothing)
{
    const StoreFault& fault = GetParam();
    writeReliabilityCatalogue(folder.path(), threeStoredValves());
    std::unique_ptr<Fault> imposed = fault.impose(database());
    {
        std::optional<UnprivilegedUser> user;
        if (fault.asUnprivilegedUser)
            user.emplace(folder.path());
        ProductDb db(errors);
        runStartup(state, db, messages, folder.path());
        db.setBusyTimeout(100); // the lock below is held to the end
        EXPECT_EQ(messages.shown.size(), fault.openError ? 1u : 0u);
        EXPECT_EQ(state.projects.size(), fault.keptDesignations.empty() ? 0u : 3u);

        ProjectRow row;
        row.riferimento = "Riser 4";
        EXPECT_EQ(addToValveList(db, row, state.projects).outcome, ValveListAdd::Failed);
        EXPECT_EQ(state.projects.size(), fault.keptDesignations.empty() ? 0u : 3u) << "the list shows the table";
        EXPECT_EQ(db.deleteProject(std::uint16_t{1}), -1);
        EXPECT_EQ(db.deleteProject(std::nullopt), -1);
        // A file that cannot even be read gives no number for the row, so
        // the insert is not tried at all.
        const char* refused = fault.openError ? "SQL error Progetti_Query: " : "SQL error Progetti_Insert: ";
        EXPECT_NE(errors.str().find(refused), std::string::npos) << errors.str();
        EXPECT_NE(errors.str().find("SQL error Progetti_Delete: "), std::string::npos) << errors.str();
    }
    imposed.reset();

    if (fault.keptDesignations.empty()) {
        EXPECT_EQ(fileBytes(database()), kSpreadsheetText) << "left as it was";
        return;
    }
    const ValveListFile file = inspectValveList(database());
    EXPECT_EQ(file.integrity, "ok");
    EXPECT_EQ(file.designations, fault.keptDesignations);

    // Once the fault is gone, the same file takes valves again.
    ProductDb db(errors);
    ASSERT_TRUE(db.open(database()));
    ProjectRow row;
    row.riferimento = "Riser 4";
    EXPECT_EQ(addToValveList(db, row, state.projects).outcome, ValveListAdd::Added);
    EXPECT_EQ(state.projects.size(), fault.keptDesignations.size() + 1);
}

INSTANTIATE_TEST_SUITE_P(Faults, ValveListFaultTest, testing::ValuesIn(storeFaults()),
                         [](const testing::TestParamInfo<StoreFault>& info) { return info.param.name; });

} // namespace
