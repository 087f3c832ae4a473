#include "app/startup.h"

#include "app/app_state.h"
#include "db/product_db.h"
#include "tests/support/fixture_db.h"
#include "tests/support/recorded_messages.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace fs = std::filesystem;

namespace {

const std::u16string kItalianOpenError = u"DataBase SQL: errore all'apertura!";

class StartupTest : public testing::Test {
protected:
    WorkingFolders start(const fs::path& where)
    {
        state = AppState{};
        return runStartup(state, db, messages, where);
    }

    void createCatalogue(const std::string& extraStatements = {})
    {
        fs::create_directory(folder.path() / "DB");
        fixture::execute(folder.path() / "DB" / "mvd.db",
                         fixture::catalogueSchema() + fixture::projectsSchema() + fixture::sixFluids() +
                             extraStatements);
    }

    void expectDefaults() const
    {
        EXPECT_EQ(state.languageIndex, 3);
        EXPECT_EQ(state.workMode, 0);
        EXPECT_EQ(state.valveView, 0);
        EXPECT_FLOAT_EQ(state.engine.dpMin, 1.0f);
        EXPECT_FLOAT_EQ(state.engine.dpMax, 6.0f);
        EXPECT_EQ(state.engine.fluidIndex, 0);
        EXPECT_EQ(state.engine.flowUnits.size(), 10u);
        EXPECT_EQ(state.engine.pressureUnits.size(), 9u);
        EXPECT_EQ(state.engine.powerUnits.size(), 4u);
        EXPECT_EQ(state.engine.temperatureUnits.size(), 2u);
        EXPECT_EQ(state.engine.flowUnits[state.engine.flowUnitIndex].label, "l/s");
        EXPECT_EQ(state.engine.pressureUnits[state.engine.pressureUnitIndex].label, "mbar");
        EXPECT_EQ(state.engine.powerUnits[state.engine.powerUnitIndex].label, "kW");
        EXPECT_EQ(state.engine.temperatureUnits[state.engine.temperatureUnitIndex].label, "C");
        EXPECT_EQ(state.engine.modelNames[1].preferred, "Arvelo");
        EXPECT_EQ(state.engine.modelNames[3].alternative, "Arvelo Statra-B");
    }

    TempFolder folder;
    AppState state;
    std::ostringstream errors;
    ProductDb db{errors};
    RecordedMessages messages;
};

TEST_F(StartupTest, WithoutDatabaseFolderShowsTheItalianErrorAndGoesOn)
{
    const WorkingFolders folders = start(folder.path());
    EXPECT_EQ(messages.shown, std::vector<std::u16string>{kItalianOpenError});
    EXPECT_FALSE(db.isOpen());
    EXPECT_FALSE(fs::exists(folder.path() / "DB")) << "the DB folder is never created";
    EXPECT_TRUE(fs::is_directory(folders.dataLogFolder));
    EXPECT_TRUE(fs::is_directory(folders.exportFolder));
    EXPECT_TRUE(state.engine.fluids.empty());
    EXPECT_TRUE(state.projects.empty());
    expectDefaults();
    EXPECT_NE(errors.str().find("SQL error Fluidi_Query:"), std::string::npos);
    EXPECT_NE(errors.str().find("SQL error Progetti_Query:"), std::string::npos);
}

TEST_F(StartupTest, AnEmptyDatabaseFileOpensButLacksTheFluidTable)
{
    fs::create_directory(folder.path() / "DB");
    start(folder.path());
    EXPECT_EQ(messages.shown, std::vector<std::u16string>{kItalianOpenError});
    EXPECT_TRUE(db.isOpen()) << "the connection stays open";
    EXPECT_TRUE(fs::exists(folder.path() / "DB" / "mvd.db"));
    EXPECT_TRUE(state.engine.fluids.empty());
    expectDefaults();
}

TEST_F(StartupTest, AProperCatalogueLoadsFluidsAndValveList)
{
    createCatalogue("INSERT INTO progetti (posizione, riferimento) VALUES (1, 'Riser 1'), (2, 'Riser 2');");
    start(folder.path());
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_TRUE(errors.str().empty()) << errors.str();
    ASSERT_EQ(state.engine.fluids.size(), 6u);
    EXPECT_EQ(state.engine.fluids[0].density, 998);
    ASSERT_EQ(state.projects.size(), 2u);
    EXPECT_EQ(state.projects[1].riferimento, "Riser 2");
    expectDefaults();
}

TEST_F(StartupTest, RunningTwiceLeavesTheFoldersAsTheyAre)
{
    createCatalogue();
    const WorkingFolders first = start(folder.path());
    std::ofstream(first.exportFolder / "valves.csv") << "kept";
    const WorkingFolders second = start(folder.path());
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(first.exportFolder, second.exportFolder);
    std::ifstream kept(second.exportFolder / "valves.csv");
    std::string content;
    kept >> content;
    EXPECT_EQ(content, "kept");
    EXPECT_TRUE(fs::is_empty(second.dataLogFolder));
}

fs::path nestedFolder(const fs::path& base, int levels)
{
    fs::path deep = base;
    for (int level = 0; level < levels; ++level)
        deep /= "Gebäude Ø " + std::to_string(level) + " Отопление";
    return deep;
}

TEST_F(StartupTest, WorksInLongAndNonAsciiFolders)
{
    const fs::path deep = nestedFolder(folder.path(), 8);
    ASSERT_GT(deep.string().size(), 256u);
    fs::create_directories(deep / "DB");
    fixture::execute(deep / "DB" / "mvd.db",
                     fixture::catalogueSchema() + fixture::projectsSchema() + fixture::sixFluids());
    const WorkingFolders folders = start(deep);
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(state.engine.fluids.size(), 6u);
    EXPECT_EQ(folders.databasePath, deep / "DB" / "mvd.db");
    EXPECT_TRUE(fs::is_directory(deep / "Export"));
}

TEST_F(StartupTest, AFolderBeyondTheDatabaseLibrarysPathLimitIsReportedNotFatal)
{
    // SQLite's Unix file layer takes database paths of at most 512 bytes.
    const fs::path deep = nestedFolder(folder.path(), 20);
    ASSERT_GT(deep.string().size(), 512u);
    fs::create_directories(deep / "DB");
    const WorkingFolders folders = start(deep);
    EXPECT_EQ(messages.shown, std::vector<std::u16string>{kItalianOpenError});
    EXPECT_TRUE(fs::is_directory(folders.exportFolder));
    expectDefaults();
}

TEST(WorkingFolders, DerivesThePathsFromTheWorkingFolder)
{
    const WorkingFolders folders = workingFoldersOf("/srv/projects/");
    EXPECT_EQ(folders.baseFolder, fs::path("/srv/projects"));
    EXPECT_EQ(folders.databasePath, fs::path("/srv/projects/DB/mvd.db"));
    EXPECT_EQ(folders.dataLogFolder, fs::path("/srv/projects/DataLog"));
    EXPECT_EQ(folders.exportFolder, fs::path("/srv/projects/Export"));
    const WorkingFolders root = workingFoldersOf("/");
    EXPECT_EQ(root.databasePath, fs::path("/DB/mvd.db"));
}

} // namespace
