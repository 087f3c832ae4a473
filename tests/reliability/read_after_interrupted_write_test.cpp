// A program killed in the middle of writing the valve list leaves a journal
// that must be rolled back before the file can be read. The read-only
// opening (arvelo-size) must still read the catalogue, and must not see the
// half-written rows.

#include "db/product_db.h"
#include "db/sqlite_handle.h"
#include "tests/reliability/broken_catalogue.h"
#include "tests/reliability/unprivileged_user.h"
#include "tests/reliability/valve_list_check.h"
#include "tests/support/temp_folder.h"

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <optional>
#include <sstream>

namespace fs = std::filesystem;

namespace {

// In a child: a transaction big enough to spill into the file itself, then
// SIGKILL before it commits.
void killWhileWriting(const fs::path& database)
{
    const pid_t child = fork();
    if (child == 0) {
        sqlite3* db = nullptr;
        sqlite3_open(database.c_str(), &db);
        sqlite3_exec(db,
                     "PRAGMA cache_size = 1; BEGIN;"
                     "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 2000)"
                     " INSERT INTO progetti (posizione, riferimento) SELECT i, 'half-written ' || i FROM n;",
                     nullptr, nullptr, nullptr);
        raise(SIGKILL);
    }
    int status = 0;
    waitpid(child, &status, 0);
}

struct ReadingCase {
    const char* name;
    bool fileWritable; // arvelo-size may lack write access to a colleague's catalogue
};

void PrintTo(const ReadingCase& reading, std::ostream* out) { *out << reading.name; }

class ReadAfterInterruptedWrite : public testing::TestWithParam<ReadingCase> {};

TEST_P(ReadAfterInterruptedWrite, TheReadOnlyOpeningReadsTheCatalogueAsItWasBefore)
{
    TempFolder folder;
    writeReliabilityCatalogue(folder.path(), threeStoredValves());
    const fs::path database = folder.path() / "DB" / "mvd.db";
    killWhileWriting(database);
    ASSERT_TRUE(fs::exists(folder.path() / "DB" / "mvd.db-journal")) << "the kill left no journal";
    if (!GetParam().fileWritable)
        fs::permissions(database, fs::perms(0444));

    std::ostringstream errors;
    std::vector<FluidRow> fluids;
    std::vector<ProjectRow> projects;
    {
        std::optional<UnprivilegedUser> user;
        if (!GetParam().fileWritable)
            user.emplace(folder.path());
        ProductDb db(errors);
        ASSERT_TRUE(db.openReadOnly(database));
        db.queryFluids(fluids);
        db.loadProjects(projects);
    }
    if (GetParam().fileWritable) {
        EXPECT_EQ(errors.str(), "");
        EXPECT_EQ(fluids.size(), 6u);
        EXPECT_EQ(projects.size(), 3u) << "the half-written rows are not there";
    } else {
        // Nobody may roll the journal back: the reading fails, visibly.
        EXPECT_NE(errors.str().find("SQL error Fluidi_Query: "), std::string::npos) << errors.str();
        EXPECT_TRUE(fluids.empty());
    }
    fs::permissions(database, fs::perms(0644));
    EXPECT_EQ(inspectValveList(database).designations.size(), 3u);
}

INSTANTIATE_TEST_SUITE_P(Files, ReadAfterInterruptedWrite,
                         testing::Values(ReadingCase{"Writable", true}, ReadingCase{"WriteProtected", false}),
                         [](const testing::TestParamInfo<ReadingCase>& info) { return info.param.name; });

} // namespace
