#pragma once

#include <filesystem>

struct AppState;
class ProductDb;
class UserMessages;

// The folders of a run, all below the working folder (the current directory
// at start-up, which need not be the program's folder).
struct WorkingFolders {
    std::filesystem::path baseFolder;    // absolute, no trailing separator
    std::filesystem::path databasePath;  // baseFolder/DB/mvd.db
    std::filesystem::path dataLogFolder; // baseFolder/DataLog
    std::filesystem::path exportFolder;  // baseFolder/Export, where exports start
};

WorkingFolders workingFoldersOf(const std::filesystem::path& currentDirectory);

// The defaults every run starts from, in their order: model names, page,
// pressure-drop bounds and fluid, the fluids of the catalogue, the unit
// tables, the chosen units and the language. Everything but the valve list.
void applyStartupDefaults(AppState& state, ProductDb& db);

// Makes the initial state of a run: creates DataLog and Export, opens the
// database (text 101 in Italian when it cannot be used; the run goes on
// without it), then fills state with its defaults, the fluids, the unit
// tables and the valve list, in that order. A valve list that cannot be
// read (after the wait for another program's lock) is noted as not read.
WorkingFolders runStartup(AppState& state, ProductDb& db, UserMessages& messages,
                          const std::filesystem::path& currentDirectory);
