#include "app/startup.h"

#include "app/app_state.h"
#include "app/user_messages.h"
#include "data/text_table.h"
#include "db/product_db.h"

#include <system_error>

namespace fs = std::filesystem;

namespace {

constexpr int kDatabaseErrorText = 101;
// The message comes before the language of the run is set.
constexpr int kStartupLanguage = 0;
constexpr std::uint8_t kDefaultLanguage = 3; // German

void createFolder(const fs::path& folder)
{
    std::error_code ignored; // an existing folder or a failure changes nothing
    fs::create_directory(folder, ignored);
}

bool openDatabase(ProductDb& db, const fs::path& databasePath)
{
    return db.open(databasePath) && db.checkFluidTable();
}

void setPreferenceDefaults(AppState& state)
{
    state.engine.modelNames = defaultModelNames();
    state.valveView = 0;
    state.workMode = 0;
    state.engine.dpMin = 1.0f;
    state.engine.dpMax = 6.0f;
    state.engine.fluidIndex = 0;
}

void setUnitDefaults(AppState& state)
{
    state.engine.flowUnits = flowUnitTable();
    state.engine.pressureUnits = pressureUnitTable();
    state.engine.powerUnits = powerUnitTable();
    state.engine.temperatureUnits = temperatureUnitTable();
    state.engine.flowUnitIndex = 2;     // l/s
    state.engine.pressureUnitIndex = 8; // mbar
    state.engine.powerUnitIndex = 0;    // kW
    state.engine.temperatureUnitIndex = 0; // C
    state.languageIndex = kDefaultLanguage;
}

} // namespace

void applyStartupDefaults(AppState& state, ProductDb& db)
{
    setPreferenceDefaults(state);
    state.engine.fluids.clear();
    db.queryFluids(state.engine.fluids);
    setUnitDefaults(state);
}

WorkingFolders workingFoldersOf(const fs::path& currentDirectory)
{
    std::error_code error;
    fs::path base = fs::absolute(currentDirectory, error).lexically_normal();
    if (error)
        base = currentDirectory.lexically_normal();
    if (!base.has_filename() && base.has_relative_path())
        base = base.parent_path(); // "/work/x/" -> "/work/x"; a root stays a root
    WorkingFolders folders;
    folders.baseFolder = base;
    folders.databasePath = base / "DB" / "mvd.db";
    folders.dataLogFolder = base / "DataLog";
    folders.exportFolder = base / "Export";
    return folders;
}

WorkingFolders runStartup(AppState& state, ProductDb& db, UserMessages& messages, const fs::path& currentDirectory)
{
    const WorkingFolders folders = workingFoldersOf(currentDirectory);
    createFolder(folders.dataLogFolder);
    createFolder(folders.exportFolder);

    if (!openDatabase(db, folders.databasePath))
        messages.showMessage(TextTable::text(kStartupLanguage, kDatabaseErrorText));

    applyStartupDefaults(state, db);
    state.projects.clear();
    state.projectsNotRead.reset();
    if (!db.loadProjects(state.projects)) {
        // Never an empty list in its place: one click could then delete it.
        state.projects.clear();
        state.projectsNotRead = db.lastFailure();
    }
    return folders;
}
