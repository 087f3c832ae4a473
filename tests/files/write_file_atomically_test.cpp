#include "files/write_file_atomically.h"

#include "tests/support/file_bytes.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

#include <csignal>
#include <fcntl.h>
#include <functional>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

std::size_t entriesIn(const fs::path& folder)
{
    return static_cast<std::size_t>(std::distance(fs::directory_iterator(folder), fs::directory_iterator()));
}

const std::string kEarlier = "\xEF\xBB\xBFProject:old\r\n\r\n";

class WriteFileAtomicallyTest : public testing::Test {
protected:
    fs::path file() const { return folder.path() / "Liste.csv"; }
    TempFolder folder;
};

TEST_F(WriteFileAtomicallyTest, CreatesAndReplacesTheFileWithOrdinaryPermissions)
{
    EXPECT_EQ(writeFileAtomically(file(), "first line\r\n"), std::nullopt);
    EXPECT_EQ(fileBytes(file()), "first line\r\n");
    EXPECT_EQ(writeFileAtomically(file(), "2nd"), std::nullopt);
    EXPECT_EQ(fileBytes(file()), "2nd");
    EXPECT_EQ(writeFileAtomically(file(), ""), std::nullopt);
    EXPECT_EQ(fileBytes(file()), "");
    EXPECT_EQ(entriesIn(folder.path()), 1u) << "no temporary file stays behind";

    const mode_t mask = ::umask(0);
    ::umask(mask);
    struct stat info {};
    ASSERT_EQ(::stat(file().c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0666 & ~mask);
}

// The write as an ordinary user: root may write into any folder, so a child
// process gives up root first. The reason comes back through a pipe; a child
// that cannot become an ordinary user reports nothing.
std::optional<std::optional<std::string>> writeAsOrdinaryUser(const fs::path& file, const std::string& bytes)
{
    int channel[2];
    if (::pipe(channel) != 0)
        return std::nullopt;
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(channel[0]);
        constexpr uid_t kNobody = 65534;
        if (::geteuid() == 0 && (::setgid(kNobody) != 0 || ::setuid(kNobody) != 0))
            ::_exit(2);
        const auto failure = writeFileAtomically(file, bytes);
        const std::string answer = failure ? "failed:" + *failure : "written";
        const bool sent = ::write(channel[1], answer.data(), answer.size()) == ssize_t(answer.size());
        ::_exit(sent ? 0 : 3);
    }
    ::close(channel[1]);
    std::string answer;
    char buffer[256];
    for (ssize_t n; (n = ::read(channel[0], buffer, sizeof buffer)) > 0;)
        answer.append(buffer, std::size_t(n));
    ::close(channel[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    if (child < 0 || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return std::nullopt;
    if (answer.rfind("failed:", 0) == 0)
        return std::optional<std::string>(answer.substr(7));
    return std::optional<std::string>();
}

TEST_F(WriteFileAtomicallyTest, ReadOnlyFolderLeavesTheEarlierFileAsItWas)
{
    writeFile(file(), kEarlier);
    fs::permissions(folder.path(), fs::perms::owner_read | fs::perms::owner_exec | fs::perms::group_read
                                       | fs::perms::group_exec | fs::perms::others_read | fs::perms::others_exec);
    const auto outcome = writeAsOrdinaryUser(file(), "new");
    fs::permissions(folder.path(), fs::perms::owner_all);
    ASSERT_TRUE(outcome.has_value()) << "the write could not run as an ordinary user";
    EXPECT_EQ(*outcome, "Permission denied");
    EXPECT_EQ(fileBytes(file()), kEarlier);
    EXPECT_EQ(entriesIn(folder.path()), 1u);
}

TEST_F(WriteFileAtomicallyTest, VanishedFolderIsReported)
{
    const fs::path gone = folder.path() / "Export";
    fs::create_directory(gone);
    fs::remove(gone);
    EXPECT_EQ(writeFileAtomically(gone / "Liste.csv", "new"), "No such file or directory");
    EXPECT_FALSE(fs::exists(gone));
}

TEST_F(WriteFileAtomicallyTest, AFolderInTheWayIsReportedAndTheTemporaryFileRemoved)
{
    fs::create_directories(file() / "inside");
    EXPECT_EQ(writeFileAtomically(file(), "new"), "Is a directory");
    EXPECT_EQ(entriesIn(folder.path()), 1u);
}

// A disk that fills up half-way: the file size limit makes the writes fail
// after the first bytes, as a full disk would.
TEST_F(WriteFileAtomicallyTest, AWriteFailingHalfWayLeavesTheEarlierFileAsItWas)
{
    writeFile(file(), kEarlier);
    rlimit previous{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &previous), 0);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = previous;
    small.rlim_cur = 16;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    const auto failure = writeFileAtomically(file(), std::string(4096, 'x'));
    ::setrlimit(RLIMIT_FSIZE, &previous);
    std::signal(SIGXFSZ, previousHandler);

    EXPECT_EQ(failure, "File too large");
    EXPECT_EQ(fileBytes(file()), kEarlier);
    EXPECT_EQ(entriesIn(folder.path()), 1u);
}

} // namespace

namespace {

mode_t modeOf(const fs::path& file)
{
    struct stat info {};
    return ::stat(file.c_str(), &info) == 0 ? info.st_mode & 07777 : 0;
}

// Names up to the file system's limit: the temporary file's name does not
// grow with the target's.
TEST_F(WriteFileAtomicallyTest, TakesAnyNameTheFolderTakes)
{
    for (const std::size_t length : {std::size_t{5}, std::size_t{200}, std::size_t{254}, std::size_t{255}}) {
        const fs::path target = folder.path() / (std::string(length - 4, 'n') + ".csv");
        EXPECT_EQ(writeFileAtomically(target, "list"), std::nullopt) << length;
        EXPECT_EQ(fileBytes(target), "list") << length;
    }
    EXPECT_EQ(writeFileAtomically(folder.path() / (std::string(252, 'n') + ".csv"), "list"), "File name too long");
    EXPECT_EQ(entriesIn(folder.path()), 4u);
}

TEST_F(WriteFileAtomicallyTest, AReplacedFileKeepsItsPermissions)
{
    for (const mode_t mode : {mode_t{0600}, mode_t{0640}, mode_t{0444}, mode_t{0664}}) {
        writeFile(file(), kEarlier);
        ASSERT_EQ(::chmod(file().c_str(), mode), 0);
        EXPECT_EQ(writeFileAtomically(file(), "new"), std::nullopt) << std::oct << mode;
        EXPECT_EQ(fileBytes(file()), "new");
        EXPECT_EQ(modeOf(file()), mode) << std::oct << mode;
    }
}

struct LinkCase {
    const char* name;
    std::function<void(const fs::path& link, const fs::path& real)> make;
    bool realExistsBefore;
};

// A target that is a symbolic link is written through: the link stays a
// link, the file it points to gets the bytes.
TEST_F(WriteFileAtomicallyTest, WritesThroughASymbolicLink)
{
    const std::vector<LinkCase> cases{
        {"absolute", [](const fs::path& link, const fs::path& real) { fs::create_symlink(real, link); }, true},
        {"relative", [](const fs::path& link, const fs::path&) { fs::create_symlink("real/Liste.csv", link); }, true},
        {"link to a link",
         [](const fs::path& link, const fs::path& real) {
             fs::create_symlink(real, link.parent_path() / "middle");
             fs::create_symlink("middle", link);
         },
         true},
        {"to a file not yet there",
         [](const fs::path& link, const fs::path& real) { fs::create_symlink(real, link); }, false},
    };
    for (const LinkCase& c : cases) {
        TempFolder place;
        const fs::path real = place.path() / "real" / "Liste.csv";
        const fs::path link = place.path() / "Liste.csv";
        fs::create_directory(real.parent_path());
        if (c.realExistsBefore) {
            writeFile(real, kEarlier);
            ::chmod(real.c_str(), 0640);
        }
        c.make(link, real);
        EXPECT_EQ(writeFileAtomically(link, "new"), std::nullopt) << c.name;
        EXPECT_TRUE(fs::is_symlink(link)) << c.name;
        EXPECT_EQ(fileBytes(real), "new") << c.name;
        if (c.realExistsBefore) {
            EXPECT_EQ(modeOf(real), 0640u) << c.name;
        }
        EXPECT_EQ(entriesIn(real.parent_path()), 1u) << c.name << ": no temporary file stays behind";
    }
}

TEST_F(WriteFileAtomicallyTest, ALinkLoopIsReported)
{
    fs::create_symlink("Liste.csv", file());
    EXPECT_EQ(writeFileAtomically(file(), "new"), "Too many levels of symbolic links");
    EXPECT_TRUE(fs::is_symlink(file()));
}

// A killed export leaves its temporary file; the next export into that
// folder removes it, but nothing else, and no temporary file of an export
// still running (it holds a lock on it).
TEST_F(WriteFileAtomicallyTest, RemovesTemporaryFilesLeftByAKilledExportOnly)
{
    const fs::path left = folder.path() / ".arvelo-rezu-a1B2c3.tmp";
    const fs::path running = folder.path() / ".arvelo-rezu-Zz9Yy8.tmp";
    const std::vector<fs::path> others{folder.path() / ".arvelo-rezu-notes.txt", folder.path() / "x.tmp",
                                       folder.path() / ".arvelo-rezu-a1B2c3.tmp.bak",
                                       folder.path() / ".Liste.csv.a1B2c3"};
    for (const fs::path& file : others)
        writeFile(file, "keep");
    writeFile(left, "half an exp");
    writeFile(running, "half an exp");
    const int lock = ::open(running.c_str(), O_RDONLY);
    ASSERT_EQ(::flock(lock, LOCK_EX), 0);

    EXPECT_EQ(writeFileAtomically(file(), "new"), std::nullopt);
    ::close(lock);
    EXPECT_FALSE(fs::exists(left));
    EXPECT_TRUE(fs::exists(running));
    for (const fs::path& file : others)
        EXPECT_EQ(fileBytes(file), "keep") << file;
    EXPECT_EQ(fileBytes(file()), "new");
}

// A device or a named pipe, named directly or through a link, is written
// into: a file in its place would break what it stands for.
TEST_F(WriteFileAtomicallyTest, WritesIntoADeviceOrANamedPipeInsteadOfReplacingIt)
{
    EXPECT_EQ(writeFileAtomically("/dev/null", "results"), std::nullopt);
    EXPECT_TRUE(fs::is_character_file("/dev/null"));
    fs::create_symlink("/dev/null", file());
    EXPECT_EQ(writeFileAtomically(file(), "results"), std::nullopt);
    EXPECT_TRUE(fs::is_symlink(file()));

    const fs::path pipe = folder.path() / "results.fifo";
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    const pid_t reader = ::fork();
    ASSERT_GE(reader, 0);
    if (reader == 0)
        ::_exit(fileBytes(pipe) == "through the pipe" ? 0 : 1);
    EXPECT_EQ(writeFileAtomically(pipe, "through the pipe"), std::nullopt);
    int status = -1;
    ASSERT_EQ(::waitpid(reader, &status, 0), reader);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "the reader got other bytes";
    EXPECT_TRUE(fs::is_fifo(pipe));
}

// Two files are written both or neither: a chart that cannot be written
// leaves no results behind, and an earlier file of theirs as it was.
TEST_F(WriteFileAtomicallyTest, WritesSeveralFilesAllOrNone)
{
    writeFile(file(), kEarlier);
    const fs::path chart = folder.path() / "missing" / "chart.svg";
    const auto failure = writeFilesAtomically({{file(), "new"}, {chart, "<svg/>"}});
    ASSERT_TRUE(failure.has_value());
    EXPECT_EQ(failure->file, chart);
    EXPECT_EQ(failure->reason, "No such file or directory");
    EXPECT_EQ(fileBytes(file()), kEarlier);
    EXPECT_EQ(entriesIn(folder.path()), 1u) << "no temporary file left";

    const fs::path other = folder.path() / "chart.svg";
    EXPECT_EQ(writeFilesAtomically({{file(), "new"}, {other, "<svg/>"}}), std::nullopt);
    EXPECT_EQ(fileBytes(file()), "new");
    EXPECT_EQ(fileBytes(other), "<svg/>");
    EXPECT_EQ(entriesIn(folder.path()), 2u);
}

TEST(AtomicWriteTemporary, NamesOnlyTheWritersOwnPattern)
{
    EXPECT_TRUE(isAtomicWriteTemporary(".arvelo-rezu-a1B2c3.tmp"));
    for (const char* other : {".arvelo-rezu-a1B2c.tmp", ".arvelo-rezu-a1B2c34.tmp", ".arvelo-rezu-a1-2c3.tmp",
                              "arvelo-rezu-a1B2c3.tmp", ".arvelo-rezu-a1B2c3.csv", "Liste.csv"})
        EXPECT_FALSE(isAtomicWriteTemporary(other)) << other;
}

} // namespace
