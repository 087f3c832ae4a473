#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

// Writes bytes to file as a whole or not at all: into a new file in the same
// folder, flushed to the disk, then renamed over the target. On failure the
// partial file is removed, an earlier file of that name stays as it was, and
// the system's reason is returned; nothing is returned on success.
std::optional<std::string> writeFileAtomically(const std::filesystem::path& file, std::string_view bytes);
