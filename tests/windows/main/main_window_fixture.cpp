#include "tests/windows/main/main_window_fixture.h"

#include "app/startup.h"
#include "windows/main/main_window_ids.h"

#include <cstdlib>
#include <string>

using namespace MainWindowId;

namespace {

std::filesystem::path& builtCatalogue()
{
    static std::filesystem::path file;
    return file;
}

class NoMessages : public UserMessages {
public:
    void showMessage(std::u16string_view) override { ADD_FAILURE() << "unexpected message box at start-up"; }
};

} // namespace

// The catalogue is built once, by the program that builds it for users.
void MainWindowTest::SetUpTestSuite()
{
    static TempFolder catalogueFolder;
    builtCatalogue() = catalogueFolder.path() / "mvd.db";
    if (std::filesystem::exists(builtCatalogue()))
        return;
    const std::string command = std::string("'") + REZU_CATALOGUE_BUILDER + "' '" + builtCatalogue().string() +
                                "' --source '" + REZU_CATALOGUE_SOURCES + "' > /dev/null";
    ASSERT_EQ(std::system(command.c_str()), 0) << command;
}

void MainWindowTest::SetUp()
{
    std::filesystem::create_directory(folder.path() / "DB");
    std::filesystem::copy_file(builtCatalogue(), folder.path() / "DB" / "mvd.db");
    NoMessages startupMessages;
    const WorkingFolders folders = runStartup(state, db, startupMessages, folder.path());
    window.setExportFolder(folders.exportFolder);
    window.onOpen();
}

void MainWindowTest::type(int id, const std::u16string& newText)
{
    window.controls()[id].text = newText;
    window.onTextChanged(id);
}

void MainWindowTest::goToPage(std::int32_t workMode, std::int32_t view)
{
    click(workMode == 0 ? kSizingButton : kCommissioningButton);
    if (view == 0)
        return;
    const bool dynamic = view >= 7;
    click(dynamic ? kDynamicGroupButton : kStaticGroupButton);
    if (view == 2 || view == 7)
        return;
    const bool second = view == 5 || view == 10;
    click(second ? kSecondTypeButton : kFirstTypeButton);
}

void MainWindowTest::useEnglishAndCubicMetresPerHour()
{
    state.languageIndex = 1;
    state.engine.flowUnitIndex = 6; // m3/h
    window.setupCandidateList();
    window.setupValveListColumns();
    state.valveView = 0;
    window.refreshPage();
}
