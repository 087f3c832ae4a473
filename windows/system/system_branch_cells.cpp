#include "windows/system/system_branch_cells.h"

#include "app/unit_conversion.h"
#include "data/number_text.h"
#include "data/text_format.h"
#include "system/system_result_texts.h"
#include "windows/common/cell_number.h"

#include <algorithm>
#include <optional>

namespace {

std::u16string numberText(float value)
{
    return utf8ToUtf16(formatCommaDecimal(value));
}

struct PipeColumn {
    int column;
    float PipeSection::*field;
};
constexpr PipeColumn kPipeColumns[] = {
    {system_column::kPipeLength, &PipeSection::lengthM},
    {system_column::kInnerDiameter, &PipeSection::innerDiameterMm},
    {system_column::kRoughness, &PipeSection::roughnessMm},
    {system_column::kZeta, &PipeSection::zeta},
};

bool isDefault(const PipeSection& pipe)
{
    const PipeSection none;
    return std::all_of(std::begin(kPipeColumns), std::end(kPipeColumns),
                       [&](const PipeColumn& column) { return pipe.*column.field == none.*column.field; });
}

SystemCellEdit applyPipeCell(MainSection& main, float PipeSection::*field, const std::u16string& cell)
{
    PipeSection pipe = main.pipe.value_or(PipeSection{});
    if (cell.empty()) {
        pipe.*field = PipeSection{}.*field;
        main.pipe = isDefault(pipe) ? std::nullopt : std::optional<PipeSection>(pipe);
        return SystemCellEdit::Applied;
    }
    const std::optional<float> value = cellNumber(cell);
    if (!value)
        return SystemCellEdit::NotRead;
    // A typed loss of 0 is no loss: the pipe may take its place.
    if (!main.pipe && main.loss != 0.0f)
        return SystemCellEdit::LossAndPipe;
    pipe.*field = *value;
    main.pipe = pipe;
    return SystemCellEdit::Applied;
}

} // namespace

std::vector<std::u16string> systemBranchCells(const AppState& state, const SavedSystemBranch& branch)
{
    const MainSection& main = branch.main;
    std::vector<std::u16string> cells{utf8ToUtf16(branch.branchName), footDeviceName(state.languageIndex, branch.foot),
                                      main.pipe ? u"" : numberText(pressureFromBase(state, main.loss))};
    for (const PipeColumn& column : kPipeColumns)
        cells.push_back(main.pipe ? numberText(*main.pipe.*column.field) : u"");
    return cells;
}

SystemCellEdit applySystemBranchCell(const AppState& state, SavedSystemBranch& branch, int column,
                                     const std::u16string& cell, const std::vector<std::string>& savedBranches)
{
    if (column == system_column::kBranch) {
        const std::string name = utf16ToUtf8(cell);
        if (std::find(savedBranches.begin(), savedBranches.end(), name) == savedBranches.end())
            return SystemCellEdit::NotRead;
        branch.branchName = name;
        return SystemCellEdit::Applied;
    }
    if (column == system_column::kFoot) {
        for (const FootDevice device : kFootDevices)
            if (cell == footDeviceName(state.languageIndex, device)) {
                branch.foot = device;
                return SystemCellEdit::Applied;
            }
        return SystemCellEdit::NotRead;
    }
    for (const PipeColumn& pipe : kPipeColumns)
        if (column == pipe.column)
            return applyPipeCell(branch.main, pipe.field, cell);
    if (column != system_column::kSectionLoss)
        return SystemCellEdit::NotRead;
    if (cell.empty()) {
        branch.main.loss = 0.0f;
        return SystemCellEdit::Applied;
    }
    const std::optional<float> value = cellNumber(cell);
    if (!value)
        return SystemCellEdit::NotRead;
    if (branch.main.pipe)
        return SystemCellEdit::LossAndPipe;
    branch.main.loss = pressureToBase(state, *value);
    return SystemCellEdit::Applied;
}
