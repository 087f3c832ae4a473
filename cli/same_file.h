#pragma once

#include <filesystem>

// Whether two names reach the same file: the same device and inode (through
// any path or link), or, for a file not there yet, the same path once made
// absolute and normal. An output named so would replace the other.
bool isSameFile(const std::filesystem::path& a, const std::filesystem::path& b);
