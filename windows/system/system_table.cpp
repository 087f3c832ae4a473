// The system window's table of branches: a saved branch picked in its
// row (the last, empty row takes a new one), its foot device and its main
// section, deleted, moved or opened in the branch window.
#include "windows/system/system_window.h"

#include "app/user_messages.h"
#include "windows/common/edited_rows.h"
#include "data/text_format.h"
#include "windows/system/system_branch_cells.h"
#include "windows/system/system_window_ids.h"
#include "windows/system/system_window_text_ids.h"


using namespace SystemWindowId;

void SystemWindow::showBranches()
{
    ControlState& table = controls()[kBranchTable];
    // The branches saved by now, the branch window may have added some.
    std::vector<std::u16string>& names = table.columnChoices.at(system_column::kBranch);
    names.clear();
    for (const std::string& name : branches_.names())
        names.push_back(utf8ToUtf16(name));
    showEditedRows(table, system_.branches,
                   [this](const SavedSystemBranch& branch) { return systemBranchCells(state_, branch); });
}

void SystemWindow::onCellChanged(int controlId, int row, int column)
{
    const std::optional<std::u16string> typed = typedCell(controls()[kBranchTable], row, column);
    if (controlId != kBranchTable || !typed)
        return;
    const std::u16string& cell = *typed;
    const bool newBranch = static_cast<std::size_t>(row) == system_.branches.size();
    // A new row starts with the branch it takes.
    if (newBranch && (cell.empty() || column != system_column::kBranch)) {
        showBranches();
        return;
    }
    SavedSystemBranch branch = newBranch ? SavedSystemBranch{} : system_.branches[static_cast<std::size_t>(row)];
    if (!newBranch && column == system_column::kBranch && utf16ToUtf8(cell) != branch.branchName)
        branch.returns.clear(); // another branch's return pipes are not this one's
    // A cell that does not read as its column's value shows the branch's value again.
    const CellEdit edit = applySystemBranchCell(state_, branch, column, cell, branches_.names());
    if (edit == CellEdit::LossAndPipe)
        services_.messages.showMessage(text(system_window_text::kSectionLossAndPipe));
    if (edit == CellEdit::Applied) {
        if (newBranch)
            system_.branches.push_back(branch);
        else
            system_.branches[static_cast<std::size_t>(row)] = branch;
        changed();
    }
    showBranches();
}

void SystemWindow::deleteRow()
{
    if (!deleteSelectedRecord(controls()[kBranchTable], system_.branches))
        return;
    showBranches();
    changed();
}

void SystemWindow::moveRow(int by)
{
    if (!moveSelectedRecord(controls()[kBranchTable], system_.branches, by))
        return;
    showBranches();
    changed();
}

void SystemWindow::openBranch()
{
    const int row = controls()[kBranchTable].selectedRow;
    if (row < 0 || static_cast<std::size_t>(row) >= system_.branches.size() || !services_.openBranch)
        return;
    services_.openBranch(system_.branches[static_cast<std::size_t>(row)].branchName);
    // The branch may have changed, been renamed or deleted there.
    if (saved_.savedName())
        if (std::optional<SavedSystem> saved = store_.open(*saved_.savedName()))
            system_.branches = saved->branches;
    result_.reset();
    showBranches();
    showResults();
}
