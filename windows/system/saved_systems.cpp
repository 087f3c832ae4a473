// The system window's saved systems: the system is saved as the user goes,
// under its name or "System N", and saved systems are opened, renamed and
// deleted.
#include "windows/system/system_window.h"

#include "app/user_messages.h"
#include "data/text_format.h"
#include "windows/common/saved_names.h"
#include "windows/system/system_window_ids.h"
#include "windows/system/system_window_text_ids.h"

using namespace SystemWindowId;
using namespace system_window_text;

std::string SystemWindow::freeDefaultName()
{
    return ::freeDefaultName(store_.names(), utf16ToUtf8(text(kSystem)));
}

void SystemWindow::persist()
{
    if (!savedName_) {
        if (system_.branches.empty())
            return; // nothing worth keeping yet
        std::string name = utf16ToUtf8(controls()[kNameField].text);
        if (!name.empty() && store_.open(name)) {
            // Never overwrite another saved system.
            services_.messages.showMessage(formatText(text(kSystemNameTaken), {utf8ToUtf16(name)}));
            name.clear();
        }
        system_.settings.name = name.empty() ? freeDefaultName() : name;
        controls()[kNameField].text = utf8ToUtf16(system_.settings.name);
    }
    if (store_.save(system_) == BranchStoreResult::Done) {
        savedName_ = system_.settings.name;
        saveFailed_ = false;
    } else if (!saveFailed_) {
        // Once, not at every keystroke, until a save works again.
        saveFailed_ = true;
        services_.messages.showMessage(text(kSystemNotSaved));
    }
    showSavedSystems();
}

void SystemWindow::showSavedSystems()
{
    showSavedNames(controls()[kSavedList], store_.names(), savedName_);
}

void SystemWindow::openPicked()
{
    const std::optional<std::string> name = pickedName(controls()[kSavedList]);
    if (!name)
        return;
    const std::optional<SavedSystem> opened = store_.open(*name);
    if (!opened)
        return;
    system_ = *opened;
    savedName_ = name;
    result_.reset();
    controls()[kBranchTable].selectedRow = -1;
    showSettings();
    showBranches();
    showSavedSystems();
    showResults();
}

void SystemWindow::renameSystem()
{
    const std::string name = utf16ToUtf8(controls()[kNameField].text);
    if (name.empty()) {
        services_.messages.showMessage(text(kEnterSystemName));
        return;
    }
    if (!savedName_) {
        persist();
        return;
    }
    switch (store_.rename(*savedName_, name)) {
    case BranchStoreResult::Done:
        savedName_ = system_.settings.name = name;
        break;
    case BranchStoreResult::NameTaken:
        services_.messages.showMessage(formatText(text(kSystemNameTaken), {utf8ToUtf16(name)}));
        break;
    default: break;
    }
    showSavedSystems();
}

void SystemWindow::deletePicked()
{
    const std::optional<std::string> name = pickedName(controls()[kSavedList]);
    if (!name)
        return;
    if (store_.remove(*name) == BranchStoreResult::Done && savedName_ == name) {
        // The open system is gone: the window starts a new one.
        system_ = SavedSystem{};
        savedName_.reset();
        result_.reset();
        showSettings();
        showBranches();
        showResults();
    }
    showSavedSystems();
}
