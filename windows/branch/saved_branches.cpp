// The branch window's saved branches: the branch is saved as the user goes,
// under its name or "Branch N", and saved branches are opened, renamed and
// deleted.
#include "windows/branch/branch_window.h"

#include "windows/branch/branch_window_ids.h"

using namespace BranchWindowId;

void BranchWindow::persist()
{
    saved_.persist(branch_, !branch_.circuits.empty(), controls()[kNameField], controls()[kSavedList]);
}

bool BranchWindow::startWith(const std::string& name)
{
    std::optional<Branch> opened = saved_.open(name);
    if (!opened)
        return false;
    branch_ = std::move(*opened);
    result_.reset();
    return true;
}

void BranchWindow::openPicked()
{
    std::optional<Branch> opened = saved_.openPicked(controls()[kSavedList]);
    if (!opened)
        return;
    branch_ = std::move(*opened);
    result_.reset();
    controls()[kCircuitTable].selectedRow = -1;
    showSettings();
    showCircuits();
    saved_.show(controls()[kSavedList]);
    showResults();
}

void BranchWindow::renameBranch()
{
    saved_.rename(branch_, !branch_.circuits.empty(), controls()[kNameField], controls()[kSavedList]);
}

void BranchWindow::deletePicked()
{
    if (!saved_.deletePicked(controls()[kSavedList]))
        return;
    // The open branch is gone: the window starts a new one.
    branch_ = Branch{};
    result_.reset();
    showSettings();
    showCircuits();
    showResults();
}
