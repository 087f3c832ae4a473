#include "files/write_file_atomically.h"

#include <cctype>
#include <memory>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

// ".arvelo-rezu-" + 6 random characters + ".tmp": 23 bytes whatever the
// target is called, so the name limit of the folder never bites.
constexpr std::string_view kTemporaryPrefix = ".arvelo-rezu-";
constexpr std::string_view kTemporarySuffix = ".tmp";
constexpr std::size_t kRandomLength = 6;
// Links deeper than this are a loop; the kernel gives up at 40 as well.
constexpr int kMaxLinkDepth = 40;

std::string systemReason(int error) { return std::strerror(error); }

// Owns the descriptor of the temporary file, and with it the file's lock,
// until the file has its final name.
class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;

    int get() const { return fd_; }

private:
    int fd_;
};

bool writeAll(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR)
            continue;
        if (written == 0)
            errno = EIO;
        if (written <= 0)
            return false;
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

// The file a path names once every symbolic link on its last component is
// followed (a link may point to a file that does not exist yet).
std::optional<fs::path> linkTarget(fs::path file, int& error)
{
    for (int depth = 0; depth < kMaxLinkDepth; ++depth) {
        std::error_code failed;
        if (!fs::is_symlink(fs::symlink_status(file, failed)))
            return file;
        const fs::path target = fs::read_symlink(file, failed);
        if (failed) {
            error = failed.value();
            return std::nullopt;
        }
        file = target.is_absolute() ? target : file.parent_path() / target;
    }
    error = ELOOP;
    return std::nullopt;
}

// A new file gets the permissions a newly created file gets (mkstemp makes
// it readable by its owner only); a replaced file keeps its own.
void takeOverPermissions(int fd, const fs::path& file)
{
    struct stat earlier {};
    if (::stat(file.c_str(), &earlier) == 0 && S_ISREG(earlier.st_mode)) {
        if (::fchown(fd, earlier.st_uid, earlier.st_gid) != 0) {
            // Only root may give a file away; the file becomes the writer's.
        }
        ::fchmod(fd, earlier.st_mode & 07777);
        return;
    }
    const mode_t mask = ::umask(0);
    ::umask(mask);
    ::fchmod(fd, 0666 & ~mask);
}

// Makes the rename itself survive a crash. Some file systems cannot sync a
// folder; the file is in place by then, so that is no failure of the export.
void syncFolder(const fs::path& folder)
{
    const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (fd < 0)
        return;
    ::fsync(fd);
    ::close(fd);
}

// fsync reports a write the disk refused late (NFS, quotas) as well.
std::optional<std::string> writeAndSync(const Descriptor& fd, const fs::path& file, std::string_view bytes)
{
    takeOverPermissions(fd.get(), file);
    if (!writeAll(fd.get(), bytes) || ::fsync(fd.get()) != 0)
        return systemReason(errno);
    return std::nullopt;
}

// A writer holds a lock on its temporary file until it ends, so a file of
// the pattern that can be locked was left by a program that was killed.
void removeLeftTemporaries(const fs::path& folder)
{
    std::error_code failed;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder.empty() ? "." : folder, failed)) {
        if (!isAtomicWriteTemporary(entry.path().filename().string()) || !entry.is_regular_file(failed) ||
            entry.is_symlink(failed))
            continue;
        const int fd = ::open(entry.path().c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
        if (fd < 0)
            continue;
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0)
            ::unlink(entry.path().c_str());
        ::close(fd);
    }
}

// A new temporary file, locked. A file that was cleared away between its
// creation and the lock (by another program's clean-up) is made again.
int createTemporary(const fs::path& folder, std::string& name)
{
    for (;;) {
        name = (folder / (std::string(kTemporaryPrefix) + std::string(kRandomLength, 'X') +
                          std::string(kTemporarySuffix)))
                   .string();
        const int fd = ::mkstemps(name.data(), static_cast<int>(kTemporarySuffix.size()));
        if (fd < 0)
            return fd;
        struct stat info {};
        if (::flock(fd, LOCK_EX) == 0 && ::fstat(fd, &info) == 0 && info.st_nlink > 0)
            return fd;
        ::close(fd);
    }
}

// An existing file that is no regular file (a device, a named pipe, a
// socket) is written into: replacing it would break what it stands for
// (/dev/null run as root), and /dev/stdout must reach the standard output.
bool isOtherThanRegularFile(const fs::path& file)
{
    struct stat info {};
    return ::stat(file.c_str(), &info) == 0 && !S_ISREG(info.st_mode);
}

std::optional<std::string> writeInto(const fs::path& file, std::string_view bytes)
{
    const Descriptor fd(::open(file.c_str(), O_WRONLY | O_CLOEXEC));
    if (fd.get() < 0 || !writeAll(fd.get(), bytes))
        return systemReason(errno);
    return std::nullopt;
}

// A file written under a temporary name and flushed, then given its name.
class PendingFile {
public:
    std::optional<std::string> prepare(const fs::path& requested, std::string_view bytes)
    {
        int error = 0;
        const std::optional<fs::path> file = linkTarget(requested, error);
        if (!file)
            return systemReason(error);
        target_ = *file;
        removeLeftTemporaries(target_.parent_path());
        fd_ = std::make_unique<Descriptor>(createTemporary(target_.parent_path(), temporary_));
        if (fd_->get() < 0) {
            temporary_.clear();
            return systemReason(errno);
        }
        if (auto failure = writeAndSync(*fd_, target_, bytes)) {
            discard();
            return failure;
        }
        return std::nullopt;
    }

    std::optional<std::string> commit()
    {
        if (std::rename(temporary_.c_str(), target_.c_str()) != 0) {
            const std::string reason = systemReason(errno);
            discard();
            return reason;
        }
        temporary_.clear();
        fd_.reset();
        syncFolder(target_.parent_path());
        return std::nullopt;
    }

    void discard()
    {
        if (!temporary_.empty())
            ::unlink(temporary_.c_str());
        temporary_.clear();
        fd_.reset();
    }

    const fs::path& target() const { return target_; }

private:
    fs::path target_;
    std::string temporary_;
    std::unique_ptr<Descriptor> fd_; // holds the temporary file's lock until it has its name
};

} // namespace

bool isAtomicWriteTemporary(std::string_view fileName)
{
    if (fileName.size() != kTemporaryPrefix.size() + kRandomLength + kTemporarySuffix.size() ||
        fileName.substr(0, kTemporaryPrefix.size()) != kTemporaryPrefix ||
        fileName.substr(fileName.size() - kTemporarySuffix.size()) != kTemporarySuffix)
        return false;
    for (const char c : fileName.substr(kTemporaryPrefix.size(), kRandomLength))
        if (!std::isalnum(static_cast<unsigned char>(c)))
            return false;
    return true;
}

std::optional<std::string> writeFileAtomically(const fs::path& requested, std::string_view bytes)
{
    if (const auto failure = writeFilesAtomically({{requested, bytes}}))
        return failure->reason;
    return std::nullopt;
}

std::optional<FileWriteFailure> writeFilesAtomically(const std::vector<FileContents>& files)
{
    std::vector<PendingFile> pending;
    std::vector<const FileContents*> devices;
    const auto discard = [&pending](const fs::path& file, std::string reason) {
        for (PendingFile& written : pending)
            written.discard();
        return FileWriteFailure{file, std::move(reason)};
    };
    for (const FileContents& output : files) {
        if (isOtherThanRegularFile(output.file)) {
            devices.push_back(&output);
            continue;
        }
        pending.emplace_back();
        if (auto failure = pending.back().prepare(output.file, output.bytes))
            return discard(output.file, std::move(*failure));
    }
    for (const FileContents* device : devices)
        if (auto failure = writeInto(device->file, device->bytes))
            return discard(device->file, std::move(*failure));
    for (std::size_t i = 0; i < pending.size(); ++i)
        if (auto failure = pending[i].commit()) {
            for (std::size_t j = i + 1; j < pending.size(); ++j)
                pending[j].discard();
            return FileWriteFailure{pending[i].target(), std::move(*failure)};
        }
    return std::nullopt;
}
