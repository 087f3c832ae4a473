#pragma once

#include <filesystem>

// Starts the program's main window in the working folder, walks through
// every page and dialog and saves one PNG per step into `out`. False when a
// picture could not be written.
bool walkAndSave(const std::filesystem::path& workingFolder, const std::filesystem::path& out);
