// The valve list on a disk that fills up: adds fail visibly once there is
// no room, and every valve added before is still in a sound file.
//
// The disk is a small tmpfs mounted in a mount namespace of a child
// process; where the machine allows neither, the test is skipped.

#include "db/product_db.h"
#include "valve_list/valve_list_addition.h"
#include "tests/reliability/broken_catalogue.h"
#include "tests/reliability/valve_list_check.h"
#include "tests/support/temp_folder.h"

#include <sched.h>
#include <sys/mount.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <sstream>

namespace fs = std::filesystem;

namespace {

constexpr int kNoMount = 77;

// Fills the valve list on `disk` until an add fails; writes "added failed
// reported" to `report`: how many adds returned 0, whether one returned -1,
// whether its error line came.
void fillUntilFull(const fs::path& database, FILE* report)
{
    std::ostringstream errors;
    ProductDb db(errors);
    std::vector<ProjectRow> projects;
    int added = 0;
    bool failed = false;
    if (db.open(database)) {
        for (; added < 100000; ++added) {
            ProjectRow row;
            row.riferimento = "valve " + std::to_string(added) + std::string(100, '.');
            if (addToValveList(db, row, projects).outcome != ValveListAdd::Added) {
                failed = true;
                break;
            }
        }
    }
    const bool reported = errors.str().find("SQL error Progetti_Insert: ") != std::string::npos;
    std::fprintf(report, "%d %d %d\n", added, failed ? 1 : 0, reported ? 1 : 0);
    std::fflush(report);
}

// In the child: mounts a tmpfs of `bytes` on `disk`, fills a copy of the
// database there, and copies what is left back to `result`.
[[noreturn]] void runOnSmallDisk(const fs::path& database, const fs::path& disk, std::uintmax_t bytes,
                                 const fs::path& result, int reportFd)
{
    if (unshare(CLONE_NEWNS) != 0 || mount("none", "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
        mount("tmpfs", disk.c_str(), "tmpfs", 0, ("size=" + std::to_string(bytes)).c_str()) != 0)
        _exit(kNoMount);
    std::error_code error;
    fs::copy_file(database, disk / "mvd.db", error);
    FILE* report = fdopen(reportFd, "w");
    fillUntilFull(disk / "mvd.db", report);
    for (const char* name : {"mvd.db", "mvd.db-journal"})
        if (fs::exists(disk / name))
            fs::copy_file(disk / name, result / name, error);
    _exit(0);
}

TEST(ValveListFullDisk, AddsFailOnceTheDiskIsFullAndNothingIsLost)
{
    TempFolder folder;
    writeReliabilityCatalogue(folder.path(), threeStoredValves());
    const fs::path database = folder.path() / "DB" / "mvd.db";
    const fs::path disk = folder.path() / "disk";
    const fs::path result = folder.path() / "result";
    fs::create_directory(disk);
    fs::create_directory(result);
    // Room for the catalogue and a few dozen valves.
    const std::uintmax_t bytes = (fs::file_size(database) / 4096 + 8) * 4096;

    int reportPipe[2];
    ASSERT_EQ(pipe(reportPipe), 0);
    const pid_t child = fork();
    if (child == 0) {
        close(reportPipe[0]);
        runOnSmallDisk(database, disk, bytes, result, reportPipe[1]);
    }
    close(reportPipe[1]);
    FILE* report = fdopen(reportPipe[0], "r");
    int added = 0;
    int failed = 0;
    int reported = 0;
    const bool read = std::fscanf(report, "%d %d %d", &added, &failed, &reported) == 3;
    std::fclose(report);
    int status = 0;
    waitpid(child, &status, 0);
    if (WIFEXITED(status) && WEXITSTATUS(status) == kNoMount)
        GTEST_SKIP() << "no small file system here: a tmpfs cannot be mounted in a private mount namespace";
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0 && read) << "the filling child failed";

    RecordProperty("valves added before the disk was full", added);
    EXPECT_GT(added, 0);
    EXPECT_EQ(failed, 1) << "the disk never filled up";
    EXPECT_EQ(reported, 1) << "the failed add wrote no error line";
    const ValveListFile file = inspectValveList(result / "mvd.db");
    EXPECT_EQ(file.integrity, "ok");
    EXPECT_EQ(file.designations.size(), static_cast<std::size_t>(added) + 3);
    for (int number = 0; number < added; ++number)
        EXPECT_EQ(file.designations.count("valve " + std::to_string(number) + std::string(100, '.')), 1u);
}

} // namespace
