#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Writes bytes to file as a whole or not at all: into a new file in the same
// folder, flushed to the disk, then renamed over the target. An existing
// file that is no regular file (a device such as /dev/null or /dev/stdout,
// a named pipe) is written into instead, never replaced. On failure the
// partial file is removed, an earlier file of that name stays as it was, and
// the system's reason is returned; nothing is returned on success.
// A target that is a symbolic link is written through to the file it points
// to; a replaced file keeps its permissions (and, where allowed, its owner).
// The temporary file has a short name of its own (any target name that the
// folder takes works), and temporary files of this writer left behind by a
// killed program in that folder are removed.
std::optional<std::string> writeFileAtomically(const std::filesystem::path& file, std::string_view bytes);

// Several files, each as writeFileAtomically writes it, all or none: every
// file is written under its temporary name first, and only when all are
// (and every device took its bytes) do they get their names. The one that
// failed, and why, is returned; nothing on success.
struct FileContents {
    std::filesystem::path file;
    std::string_view bytes;
};
struct FileWriteFailure {
    std::filesystem::path file;
    std::string reason;
};
std::optional<FileWriteFailure> writeFilesAtomically(const std::vector<FileContents>& files);

// The names this writer gives its temporary files.
bool isAtomicWriteTemporary(std::string_view fileName);
