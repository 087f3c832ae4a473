#pragma once

#include <filesystem>
#include <string>

// A whole file as bytes ("" when it cannot be read), and a file written
// plainly from bytes, for setting up and checking files in tests.
std::string fileBytes(const std::filesystem::path& path);
void writeFile(const std::filesystem::path& path, const std::string& bytes);
