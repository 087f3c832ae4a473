// The valve list panel when the database fails under it: every add and
// delete that does not happen says so with the database's reason, the list
// on screen stays the last one read, the file keeps every valve, and once
// the fault is gone the same window works as before.

#include "data/text_format.h"
#include "data/text_table.h"
#include "tests/support/languages.h"
#include "db/sqlite_handle.h"
#include "tests/reliability/fault.h"
#include "tests/reliability/unprivileged_user.h"
#include "tests/reliability/valve_list_window.h"
#include "tests/support/fixture_db.h"
#include "windows/main/main_window_ids.h"
#include "valve_list/valve_list_fault_texts.h"

#include <linux/fs.h>
#include <sys/ioctl.h>
#include <fcntl.h>
#include <unistd.h>

#include <chrono>
#include <memory>
#include <optional>
#include <thread>

namespace fs = std::filesystem;
using namespace MainWindowId;
using namespace ValveListFaultText;

namespace {


std::shared_ptr<SqliteHandle> secondConnection(const fs::path& database)
{
    sqlite3* raw = nullptr;
    sqlite3_open(database.c_str(), &raw);
    return std::make_shared<SqliteHandle>(raw);
}

void run(sqlite3* db, const char* statements) { ASSERT_EQ(sqlite3_exec(db, statements, nullptr, nullptr, nullptr), SQLITE_OK) << statements; }

// Another program holds the file with an exclusive lock: nobody may read
// or write until it ends its transaction.
std::unique_ptr<Fault> exclusiveLock(const fs::path& database)
{
    auto other = secondConnection(database);
    run(other->get(), "BEGIN EXCLUSIVE; INSERT INTO progetti (posizione, riferimento) VALUES (7, 'Other program');");
    return std::make_unique<Fault>([other] { sqlite3_exec(other->get(), "ROLLBACK", nullptr, nullptr, nullptr); });
}

std::unique_ptr<Fault> tableDropped(const fs::path& database)
{
    run(secondConnection(database)->get(), "DROP TABLE progetti");
    return std::make_unique<Fault>([database] { fixture::execute(database, fixture::projectsSchema()); });
}

std::unique_ptr<Fault> fileReadOnly(const fs::path& database)
{
    fs::permissions(database, fs::perms(0444));
    auto user = std::make_shared<UnprivilegedUser>(database.parent_path().parent_path());
    return std::make_unique<Fault>([database, user]() mutable {
        user.reset();
        fs::permissions(database, fs::perms(0644));
    });
}

// Moved aside while the program runs, and put back.
std::unique_ptr<Fault> fileRemoved(const fs::path& database)
{
    const fs::path aside = database.parent_path() / "aside.db";
    fs::rename(database, aside);
    return std::make_unique<Fault>([database, aside] { fs::rename(aside, database); });
}

// Another copy of the valve list takes the file's place.
std::unique_ptr<Fault> fileReplaced(const fs::path& database)
{
    const fs::path copy = database.parent_path() / "copy.db";
    fs::copy_file(database, copy);
    run(secondConnection(copy)->get(), "INSERT INTO progetti (posizione, riferimento) VALUES (3, 'Other copy')");
    fs::rename(copy, database);
    return std::make_unique<Fault>();
}

bool setImmutable(const fs::path& file, bool immutable)
{
    const int fd = ::open(file.c_str(), O_RDONLY);
    int flags = 0;
    bool done = fd >= 0 && ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
    flags = immutable ? flags | FS_IMMUTABLE_FL : flags & ~FS_IMMUTABLE_FL;
    done = done && ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
    if (fd >= 0)
        ::close(fd);
    return done;
}

std::unique_ptr<Fault> fileImmutable(const fs::path& database)
{
    if (!setImmutable(database, true))
        return nullptr; // needs root and a file system that keeps the flag
    return std::make_unique<Fault>([database] { setImmutable(database, false); });
}

enum class Action { Add, DeleteValve, DeleteTable };

struct WindowFault {
    const char* name;
    std::unique_ptr<Fault> (*impose)(const fs::path& database);
    int reason;
    std::multiset<std::string> storedAfter; // once the fault is undone
    // A delete reads the readings first: nothing is asked or deleted on a
    // count that was not read.
    bool readingsNotRead = false;
};

const std::multiset<std::string> kTwo{"V1", "V2"};

std::vector<WindowFault> windowFaults()
{
    return {
        {"ExclusiveLock", exclusiveLock, kReasonBusy, kTwo, true},
        {"TableDropped", tableDropped, kReasonOther, {}},
        {"FileMadeReadOnly", fileReadOnly, kReasonReadOnly, kTwo},
        {"FileRemoved", fileRemoved, kFileReplaced, kTwo},
        {"FileReplaced", fileReplaced, kFileReplaced, {"V1", "V2", "Other copy"}},
        {"FileMadeImmutable", fileImmutable, kReasonReadOnly, kTwo},
    };
}

void PrintTo(const WindowFault& fault, std::ostream* out) { *out << fault.name; }
void PrintTo(Action action, std::ostream* out) { *out << int(action); }

using FaultCase = std::tuple<WindowFault, Action>;

class ValveListWindowFaultTest : public ValveListWindowTest, public testing::WithParamInterface<FaultCase> {};

TEST_P(ValveListWindowFaultTest, NothingChangesTheUserIsToldAndALaterAddWorks)
{
    const auto& [fault, action] = GetParam();
    clickRow(0);
    {
        std::unique_ptr<Fault> imposed = fault.impose(database());
        if (!imposed)
            GTEST_SKIP() << "the immutable flag cannot be set here";
        switch (action) {
        case Action::Add: add(u"V3"); break;
        case Action::DeleteValve: click(kDeleteValveButton); break;
        case Action::DeleteTable: click(kDeleteTableButton); break;
        }
        const int textId = action == Action::Add       ? kAddFailed
                           : fault.readingsNotRead ? kReadingsNotRead
                                                   : kChangeFailed;
        EXPECT_EQ(messages.shown, std::vector<std::u16string>{told(textId, TextTable::text(kGerman, fault.reason))});
        EXPECT_EQ(shown(), (std::vector<std::u16string>{u"1 V1", u"2 V2"}));
        EXPECT_EQ(state.projects.size(), 2u);
    }
    EXPECT_EQ(stored(), fault.storedAfter);

    messages.shown.clear();
    add(u"V3");
    EXPECT_TRUE(messages.shown.empty()) << utf16ToUtf8(messages.shown.front());
    ASSERT_FALSE(shown().empty());
    EXPECT_EQ(shown().back().substr(shown().back().find(u' ')), u" V3");
    EXPECT_EQ(stored().count("V3"), 1u);
}

std::string caseName(const testing::TestParamInfo<FaultCase>& info)
{
    static const char* const kActions[] = {"Add", "DeleteValve", "DeleteTable"};
    return std::string(std::get<0>(info.param).name) + kActions[int(std::get<1>(info.param))];
}

INSTANTIATE_TEST_SUITE_P(Faults, ValveListWindowFaultTest,
                         testing::Combine(testing::ValuesIn(windowFaults()),
                                          testing::Values(Action::Add, Action::DeleteValve, Action::DeleteTable)),
                         caseName);

// A lock held for a moment is waited for: the user never hears of it.
TEST_F(ValveListWindowTest, ALockHeldForAMomentIsWaitedFor)
{
    db.setBusyTimeout(ProductDb::kBusyTimeoutMs);
    auto other = secondConnection(database());
    run(other->get(), "BEGIN EXCLUSIVE");
    std::thread release([other] {
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        sqlite3_exec(other->get(), "COMMIT", nullptr, nullptr, nullptr);
    });
    add(u"V3");
    release.join();
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(shown(), (std::vector<std::u16string>{u"1 V1", u"2 V2", u"3 V3"}));
}

// The valve is stored, but the list cannot be read back: the screen keeps
// the last list read and says so; the list is not emptied.
TEST_F(ValveListWindowTest, AReloadThatFailsKeepsTheLastListAndSaysSo)
{
    static bool inserted = false;
    inserted = false;
    sqlite3_update_hook(db.handle(), [](void*, int, const char*, const char*, sqlite3_int64) { inserted = true; },
                        nullptr);
    sqlite3_set_authorizer(
        db.handle(),
        [](void*, int action, const char*, const char*, const char*, const char*) {
            return inserted && action == SQLITE_SELECT ? SQLITE_DENY : SQLITE_OK;
        },
        nullptr);
    add(u"V3");
    EXPECT_EQ(messages.shown, std::vector<std::u16string>{told(kListNotRead, TextTable::text(kGerman, kReasonOther))});
    EXPECT_EQ(shown(), (std::vector<std::u16string>{u"1 V1", u"2 V2"}));
    EXPECT_EQ(state.projects.size(), 2u);
    EXPECT_EQ(stored(), (std::multiset<std::string>{"V1", "V2", "V3"}));
}

} // namespace
