#include "ui/main/write_file_atomically.h"

#include "tests/support/file_bytes.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

#include <csignal>
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
