#include "ui/main/write_file_atomically.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::string systemReason(int error) { return std::strerror(error); }

// Owns the descriptor of the temporary file until it is closed on purpose.
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
    // Closing can report a write the disk refused late (NFS, quotas).
    int release()
    {
        const int result = ::close(fd_);
        fd_ = -1;
        return result;
    }

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

// mkstemp makes the file readable by its owner only; an export is an
// ordinary file, with the permissions a newly created file gets.
mode_t ordinaryFileMode()
{
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

// Makes the rename itself survive a crash. Some file systems cannot sync a
// folder; the file is in place by then, so that is no failure of the export.
void syncFolder(const std::filesystem::path& folder)
{
    const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (fd < 0)
        return;
    ::fsync(fd);
    ::close(fd);
}

std::optional<std::string> writeAndSync(Descriptor& fd, std::string_view bytes)
{
    if (::fchmod(fd.get(), ordinaryFileMode()) != 0 || !writeAll(fd.get(), bytes) || ::fsync(fd.get()) != 0
        || fd.release() != 0)
        return systemReason(errno);
    return std::nullopt;
}

} // namespace

std::optional<std::string> writeFileAtomically(const std::filesystem::path& file, std::string_view bytes)
{
    const std::filesystem::path folder = file.parent_path();
    std::string temporary = (folder / ("." + file.filename().string() + ".XXXXXX")).string();
    Descriptor fd(::mkstemp(temporary.data()));
    if (fd.get() < 0)
        return systemReason(errno);
    std::optional<std::string> failure = writeAndSync(fd, bytes);
    if (!failure && std::rename(temporary.c_str(), file.c_str()) != 0)
        failure = systemReason(errno);
    if (failure) {
        ::unlink(temporary.c_str());
        return failure;
    }
    syncFolder(folder);
    return std::nullopt;
}
