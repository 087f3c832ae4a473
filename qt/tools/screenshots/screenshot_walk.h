#pragma once

#include <filesystem>

// Starts the program's main window in the working folder, walks through
// every page and dialog and saves one PNG per step into `out`. False when a
// picture could not be written.
bool walkAndSave(const std::filesystem::path& workingFolder, const std::filesystem::path& out);

// On a small screen: the main window with a calculated valve and a valve
// list, scrolled to its bottom-right corner, in German and in Russian.
bool walkCornerAndSave(const std::filesystem::path& workingFolder, const std::filesystem::path& out);
