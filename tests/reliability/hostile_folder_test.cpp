// Start-up in working folders that fight back: text 101 where the database
// cannot be opened, the defaults in every case, and no crash.

#include "app/app_state.h"
#include "app/startup.h"
#include "db/product_db.h"
#include "tests/reliability/broken_catalogue.h"
#include "tests/reliability/unprivileged_user.h"
#include "tests/support/file_bytes.h"
#include "tests/support/recorded_messages.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <optional>
#include <sstream>

namespace fs = std::filesystem;

namespace {

void writeFile(const fs::path& file) { std::ofstream(file) << "not a folder"; }

struct HostileFolder {
    const char* name;
    const char* below;                        // the working folder below the temporary one
    std::function<void(const fs::path&)> set; // makes the working folder hostile
    bool asUnprivilegedUser;
    bool openError; // text 101
    std::size_t fluids;
};

void PrintTo(const HostileFolder& folder, std::ostream* out) { *out << folder.name; }

const char* const kStrangeName = "Projekt 'Süd' \"B\" Отопление $HOME ;rm";

std::vector<HostileFolder> hostileFolders()
{
    const auto catalogue = [](const fs::path& base) { writeReliabilityCatalogue(base); };
    return {
        {"DatabaseFolderIsAFile", "w", [](const fs::path& base) { writeFile(base / "DB"); }, false, true, 0},
        {"DatabaseFileIsAFolder", "w", [](const fs::path& base) { fs::create_directories(base / "DB" / "mvd.db"); },
         false, true, 0},
        {"DataLogAndExportAreFiles", "w",
         [catalogue](const fs::path& base) {
             catalogue(base);
             writeFile(base / "DataLog");
             writeFile(base / "Export");
         },
         false, false, 6},
        {"ReadOnlyFolderWithCatalogue", "w",
         [catalogue](const fs::path& base) {
             catalogue(base);
             fs::permissions(base, fs::perms(0555));
         },
         true, false, 6},
        {"ReadOnlyFolderWithoutDatabase", "w", [](const fs::path& base) { fs::permissions(base, fs::perms(0555)); },
         true, true, 0},
        {"SpacesQuotesAndNonAscii", kStrangeName, catalogue, false, false, 6},
        {"SpacesQuotesAndNonAsciiWithoutDatabase", kStrangeName, [](const fs::path&) {}, false, true, 0},
    };
}

class HostileFolderTest : public testing::TestWithParam<HostileFolder> {};

TEST_P(HostileFolderTest, StartsWithTheDefaultsAndSaysWhenTheDatabaseCannotBeOpened)
{
    const HostileFolder& hostile = GetParam();
    TempFolder folder;
    const fs::path base = folder.path() / hostile.below;
    fs::create_directories(base);
    hostile.set(base);

    AppState state;
    std::ostringstream errors;
    RecordedMessages messages;
    {
        std::optional<UnprivilegedUser> user;
        if (hostile.asUnprivilegedUser)
            user.emplace(folder.path());
        ProductDb db(errors);
        const WorkingFolders folders = runStartup(state, db, messages, base);
        EXPECT_EQ(folders.baseFolder, base);
    }
    fs::permissions(base, fs::perms(0755));

    EXPECT_EQ(messages.shown,
              hostile.openError ? std::vector<std::u16string>{u"DataBase SQL: errore all'apertura!"}
                                : std::vector<std::u16string>{});
    EXPECT_EQ(state.engine.fluids.size(), hostile.fluids);
    EXPECT_EQ(state.languageIndex, 3);
    EXPECT_EQ(state.engine.flowUnits.size(), 10u);
    if (hostile.openError) {
        EXPECT_NE(errors.str().find("SQL error Progetti_Query: "), std::string::npos) << errors.str();
    }
}

INSTANTIATE_TEST_SUITE_P(Folders, HostileFolderTest, testing::ValuesIn(hostileFolders()),
                         [](const testing::TestParamInfo<HostileFolder>& info) { return info.param.name; });

TEST(HostileFolder, FilesInPlaceOfTheWorkingFoldersAreLeftAsTheyWere)
{
    TempFolder folder;
    writeFile(folder.path() / "DataLog");
    writeFile(folder.path() / "Export");
    AppState state;
    std::ostringstream errors;
    RecordedMessages messages;
    ProductDb db(errors);
    runStartup(state, db, messages, folder.path());
    for (const char* name : {"DataLog", "Export"}) {
        EXPECT_EQ(fileBytes(folder.path() / name), "not a folder") << name;
    }
}

} // namespace
