#include "windows/common/section_cells.h"

#include "app/unit_conversion.h"
#include "data/number_text.h"
#include "data/text_format.h"
#include "windows/common/cell_number.h"

#include <algorithm>
#include <array>

namespace {

constexpr std::array<float PipeSection::*, kPipeCells> kPipeFields{
    &PipeSection::lengthM, &PipeSection::innerDiameterMm, &PipeSection::roughnessMm, &PipeSection::zeta};

bool isDefault(const PipeSection& pipe)
{
    const PipeSection none;
    return std::all_of(kPipeFields.begin(), kPipeFields.end(),
                       [&](float PipeSection::*field) { return pipe.*field == none.*field; });
}

} // namespace

std::u16string numberCell(float value)
{
    return utf8ToUtf16(formatCommaDecimal(value));
}

std::u16string sectionLossCell(const AppState& state, float loss, const std::optional<PipeSection>& pipe)
{
    return pipe ? u"" : numberCell(pressureFromBase(state, loss));
}

std::vector<std::u16string> pipeCells(const std::optional<PipeSection>& pipe)
{
    std::vector<std::u16string> cells;
    for (float PipeSection::*field : kPipeFields)
        cells.push_back(pipe ? numberCell(*pipe.*field) : u"");
    return cells;
}

CellEdit applySectionLossCell(const AppState& state, float& loss, const std::optional<PipeSection>& pipe,
                              const std::u16string& cell)
{
    if (cell.empty()) {
        loss = 0.0f;
        return CellEdit::Applied;
    }
    const std::optional<float> value = cellNumber(cell);
    if (!value)
        return CellEdit::NotRead;
    if (pipe)
        return CellEdit::LossAndPipe;
    loss = pressureToBase(state, *value);
    return CellEdit::Applied;
}

CellEdit applyPipeCell(std::optional<PipeSection>& pipe, float loss, std::size_t index, const std::u16string& cell)
{
    if (index >= kPipeCells)
        return CellEdit::NotRead;
    float PipeSection::*field = kPipeFields[index];
    PipeSection edited = pipe.value_or(PipeSection{});
    if (cell.empty()) {
        edited.*field = PipeSection{}.*field;
        pipe = isDefault(edited) ? std::nullopt : std::optional<PipeSection>(edited);
        return CellEdit::Applied;
    }
    const std::optional<float> value = cellNumber(cell);
    if (!value)
        return CellEdit::NotRead;
    if (!pipe && loss != 0.0f)
        return CellEdit::LossAndPipe;
    edited.*field = *value;
    pipe = edited;
    return CellEdit::Applied;
}
