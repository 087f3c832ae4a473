#include "branch/balance_texts.h"

#include "app/unit_conversion.h"
#include "branch/branch_text_ids.h"
#include "data/figure_text.h"
#include "data/text_format.h"
#include "data/text_table.h"

std::u16string resultNumber(float value)
{
    return utf8ToUtf16(formatFigure(value));
}

std::string unitLabel(const AppState& state, UnitOf unit)
{
    switch (unit) {
    case UnitOf::Flow: return flowUnitLabel(state);
    case UnitOf::Pressure: return pressureUnitLabel(state);
    case UnitOf::Velocity: return "m/s";
    case UnitOf::None: break;
    }
    return {};
}

void fillDutyPoint(BalanceTexts& texts, const AppState& state, const DutyPointTexts& duty,
                   const std::vector<std::u16string>& rowNames)
{
    const int language = state.languageIndex;
    texts.pumpHeadCaption = captionWithUnit(language, branch_text::kPumpHead, pressureUnitLabel(state));
    texts.pumpHeadValue = resultNumber(duty.pumpHead);
    texts.pumpHead = duty.pumpHead;
    texts.totalFlowCaption = captionWithUnit(language, branch_text::kTotalFlow, flowUnitLabel(state));
    texts.totalFlowValue = resultNumber(duty.totalFlow);
    texts.totalFlow = duty.totalFlow;
    texts.indexCaption = std::u16string(TextTable::text(language, duty.indexCaptionId));
    texts.indexRow = duty.indexRow;
    if (duty.indexRow < rowNames.size())
        texts.indexValue = rowNames[duty.indexRow];
    std::u16string incomplete;
    for (const std::size_t row : duty.incompleteRows)
        if (row < rowNames.size())
            incomplete += (incomplete.empty() ? u"" : u", ") + rowNames[row];
    if (!incomplete.empty())
        texts.incomplete = formatText(TextTable::text(language, duty.incompleteTextId), {incomplete});
}
