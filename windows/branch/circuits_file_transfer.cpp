// The branch window's circuits file: the command line's format, so that a
// branch moves between the window and arvelo-size branch.
#include "windows/branch/branch_window.h"

#include "app/user_messages.h"
#include "branch/branch_design_text_ids.h"
#include "branch/branch_text_ids.h"
#include "branch/circuits_file.h"
#include "data/text_format.h"
#include "files/export_failure_text.h"
#include "files/write_file_atomically.h"
#include "windows/branch/branch_window_ids.h"
#include "windows/common/save_file_chooser.h"

#include <fstream>

using namespace BranchWindowId;

namespace {

const std::vector<SaveFileType> kCircuitsFileTypes{{u"CSV (*.csv)", u"csv"}};

} // namespace

void BranchWindow::openCircuitsFile()
{
    const std::optional<std::filesystem::path> file = services_.files.chooseOpenFile(
        text(branch_design_text::kOpenCircuitsFile), services_.exportFolder, kCircuitsFileTypes);
    if (!file)
        return;
    Branch opened;
    std::ifstream in(*file, std::ios::binary);
    std::error_code error;
    // A folder opens as a stream that reads nothing: it would pass for an empty file.
    std::string problem = std::filesystem::is_directory(*file, error) ? "it is a folder"
                          : in ? readBranchCircuits(in, state_, opened) : "it cannot be opened";
    if (!problem.empty()) {
        services_.messages.showMessage(formatText(text(branch_design_text::kCircuitsFileUnread),
                                                  {file->u16string(), utf8ToUtf16(problem)}));
        return;
    }
    // The branch open stays saved as it is; the file's circuits are a new
    // one with this branch's settings, named after the file where that name
    // is free.
    opened.settings = branch_.settings;
    const std::string stem = file->stem().u8string();
    opened.settings.name = saved_.isSaved(stem) ? saved_.freeName() : stem;
    branch_ = std::move(opened);
    saved_.startNew();
    result_.reset();
    controls()[kNameField].text = utf8ToUtf16(branch_.settings.name);
    controls()[kCircuitTable].selectedRow = -1;
    persist();
    showSettings();
    showCircuits();
    showResults();
}

void BranchWindow::saveCircuitsFile()
{
    if (branch_.circuits.empty())
        return;
    const std::optional<std::filesystem::path> file = services_.files.chooseSaveFile(
        text(branch_design_text::kSaveCircuitsFile), services_.exportFolder, kCircuitsFileTypes);
    if (!file)
        return;
    if (const auto failure = writeFileAtomically(*file, branchCircuitsFile(branch_))) {
        services_.messages.showMessage(exportFailureText(state_.languageIndex, *file, *failure));
        return;
    }
    services_.messages.showMessage(text(branch_text::kFileSaved));
}
