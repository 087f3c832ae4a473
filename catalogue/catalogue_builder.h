#pragma once

#include <filesystem>
#include <string>
#include <vector>

struct BuildResult {
    bool written = false;
    // On success one line saying what was written; otherwise every problem
    // found in the sources ("fobv.csv:12: ...") or why the file was refused.
    std::vector<std::string> messages;
};

// The folder with the catalogue's sources: the one installed with the running
// program, or else the one in the source tree it was built from.
std::filesystem::path defaultSourceDirectory();

// Reads and checks the sources in `sourceDirectory` (the five CSV files and
// the two schema files), then writes the catalogue into the SQLite file at
// `target`. Nothing is written when the sources have a problem.
BuildResult buildCatalogue(const std::filesystem::path& target,
                           const std::filesystem::path& sourceDirectory);
