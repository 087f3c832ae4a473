// The branch window opens the system window; the system window opens each
// of its branches in a branch window of its own, through this callback.
#include "windows/branch/branch_window.h"

#include "branch/branch_text_ids.h"
#include "system/system_text_ids.h"
#include "windows/branch/branch_window_ids.h"
#include "windows/system/system_window.h"

using namespace BranchWindowId;

void BranchWindow::openSystemWindow()
{
    const auto openBranch = [this](const std::string& name) {
        BranchWindow window(state_, db_, services_, text(branch_text::kBalanceBranch));
        if (window.startWith(name))
            services_.windows.runModal(window);
    };
    SystemWindow window(state_, db_, {services_.messages, openBranch}, text(system_text::kBalanceSystem));
    services_.windows.runModal(window);
    // The system window may have changed this branch in a window of its own.
    if (const std::optional<std::string> name = saved_.savedName(); name && !startWith(*name)) {
        branch_ = Branch{};
        saved_.startNew();
    }
    result_.reset();
    showSettings();
    showCircuits();
    saved_.show(controls()[kSavedList]);
    showResults();
}
