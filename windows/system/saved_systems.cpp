// The system window's saved systems: the system is saved as the user goes,
// under its name or "System N", and saved systems are opened, renamed and
// deleted.
#include "windows/system/system_window.h"

#include "windows/system/system_window_ids.h"

using namespace SystemWindowId;

void SystemWindow::persist()
{
    saved_.persist(system_, !system_.branches.empty(), controls()[kNameField], controls()[kSavedList]);
}

void SystemWindow::openPicked()
{
    std::optional<SavedSystem> opened = saved_.openPicked(controls()[kSavedList]);
    if (!opened)
        return;
    system_ = std::move(*opened);
    result_.reset();
    controls()[kBranchTable].selectedRow = -1;
    showSettings();
    showBranches();
    saved_.show(controls()[kSavedList]);
    showResults();
}

void SystemWindow::renameSystem()
{
    saved_.rename(system_, !system_.branches.empty(), controls()[kNameField], controls()[kSavedList]);
}

void SystemWindow::deletePicked()
{
    if (!saved_.deletePicked(controls()[kSavedList]))
        return;
    // The open system is gone: the window starts a new one.
    system_ = SavedSystem{};
    result_.reset();
    showSettings();
    showBranches();
    showResults();
}
