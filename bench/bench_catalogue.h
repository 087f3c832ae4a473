#pragma once

#include <filesystem>
#include <string>

// A catalogue of realistic size for timing: the full size ranges of the four
// families with their presetting curves and minimum pressures, built into a
// fresh SQLite file. Empty on success, else the database's message.
std::string writeBenchCatalogue(const std::filesystem::path& file);
