#include "windows/system/system_branch_cells.h"

#include "data/text_format.h"
#include "system/system_result_texts.h"

#include <algorithm>

std::vector<std::u16string> systemBranchCells(const AppState& state, const SavedSystemBranch& branch)
{
    const MainSection& main = branch.main;
    std::vector<std::u16string> cells{utf8ToUtf16(branch.branchName), footDeviceName(state.languageIndex, branch.foot),
                                      sectionLossCell(state, main.loss, main.pipe)};
    for (std::u16string& cell : pipeCells(main.pipe))
        cells.push_back(std::move(cell));
    return cells;
}

CellEdit applySystemBranchCell(const AppState& state, SavedSystemBranch& branch, int column,
                                     const std::u16string& cell, const std::vector<std::string>& savedBranches)
{
    if (column == system_column::kBranch) {
        const std::string name = utf16ToUtf8(cell);
        if (std::find(savedBranches.begin(), savedBranches.end(), name) == savedBranches.end())
            return CellEdit::NotRead;
        branch.branchName = name;
        return CellEdit::Applied;
    }
    if (column == system_column::kFoot) {
        for (const FootDevice device : kFootDevices)
            if (cell == footDeviceName(state.languageIndex, device)) {
                branch.foot = device;
                return CellEdit::Applied;
            }
        return CellEdit::NotRead;
    }
    if (column >= system_column::kPipeLength && column <= system_column::kZeta)
        return applyPipeCell(branch.main.pipe, branch.main.loss,
                             static_cast<std::size_t>(column - system_column::kPipeLength), cell);
    if (column == system_column::kSectionLoss)
        return applySectionLossCell(state, branch.main.loss, branch.main.pipe, cell);
    return CellEdit::NotRead;
}
