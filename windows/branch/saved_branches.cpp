// The branch window's saved branches: the branch is saved as the user goes,
// under its name or "Branch N", and saved branches are opened, renamed and
// deleted.
#include "windows/branch/branch_window.h"

#include "app/user_messages.h"
#include "branch/branch_text_ids.h"
#include "data/text_format.h"
#include "windows/common/saved_names.h"
#include "windows/branch/branch_window_ids.h"

using namespace BranchWindowId;
using namespace branch_text;

std::string BranchWindow::freeDefaultName()
{
    return ::freeDefaultName(store_.names(), utf16ToUtf8(text(kBranch)));
}

void BranchWindow::persist()
{
    if (!savedName_) {
        if (branch_.circuits.empty())
            return; // nothing worth keeping yet
        std::string name = utf16ToUtf8(controls()[kNameField].text);
        if (!name.empty() && store_.open(name)) {
            // Never overwrite another saved branch.
            services_.messages.showMessage(formatText(text(kBranchNameTaken), {utf8ToUtf16(name)}));
            name.clear();
        }
        branch_.settings.name = name.empty() ? freeDefaultName() : name;
        controls()[kNameField].text = utf8ToUtf16(branch_.settings.name);
    }
    if (store_.save(branch_) == BranchStoreResult::Done) {
        savedName_ = branch_.settings.name;
        saveFailed_ = false;
    } else if (!saveFailed_) {
        // Once, not at every keystroke, until a save works again.
        saveFailed_ = true;
        services_.messages.showMessage(text(kBranchNotSaved));
    }
    showSavedBranches();
}

void BranchWindow::showSavedBranches()
{
    showSavedNames(controls()[kSavedList], store_.names(), savedName_);
}

bool BranchWindow::startWith(const std::string& name)
{
    const std::optional<Branch> opened = store_.open(name);
    if (!opened)
        return false;
    branch_ = *opened;
    savedName_ = name;
    result_.reset();
    return true;
}

void BranchWindow::openPicked()
{
    const std::optional<std::string> name = pickedName(controls()[kSavedList]);
    if (!name)
        return;
    if (!startWith(*name))
        return;
    controls()[kCircuitTable].selectedRow = -1;
    showSettings();
    showCircuits();
    showSavedBranches();
    showResults();
}

void BranchWindow::renameBranch()
{
    const std::string name = utf16ToUtf8(controls()[kNameField].text);
    if (name.empty()) {
        services_.messages.showMessage(text(kEnterBranchName));
        return;
    }
    if (!savedName_) {
        persist();
        return;
    }
    switch (store_.rename(*savedName_, name)) {
    case BranchStoreResult::Done:
        savedName_ = branch_.settings.name = name;
        break;
    case BranchStoreResult::NameTaken:
        services_.messages.showMessage(formatText(text(kBranchNameTaken), {utf8ToUtf16(name)}));
        break;
    default: break;
    }
    showSavedBranches();
}

void BranchWindow::deletePicked()
{
    const std::optional<std::string> name = pickedName(controls()[kSavedList]);
    if (!name)
        return;
    if (store_.remove(*name) == BranchStoreResult::Done && savedName_ == name) {
        // The open branch is gone: the window starts a new one.
        branch_ = Branch{};
        savedName_.reset();
        result_.reset();
        showSettings();
        showCircuits();
        showResults();
    }
    showSavedBranches();
}
