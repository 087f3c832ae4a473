#include "system/system_chart_svg.h"

#include "app/unit_conversion.h"
#include "branch/branch_result_texts.h"
#include "branch/branch_text_ids.h"
#include "data/figure_text.h"
#include "data/text_format.h"
#include "data/text_table.h"
#include "plot/stacked_bar_chart_svg.h"
#include "system/system_chart.h"
#include "system/system_text_ids.h"

namespace {

struct Part {
    const char* id;
    const char* colour;
    int captionId;
};
// In the order of a branch's bar.
const Part kParts[] = {
    {"plant", "#6b7b8c", system_text::kPlantLoss},
    {"main", "#9aa9b8", system_text::kMainLossToTakeOff},
    {"branch", "#1f5fa8", system_text::kBranchRequirement},
    {"foot", "#e0a030", system_text::kDpFootDevice},
};

std::string caption(const AppState& state, int id, const std::string& unit)
{
    return utf16ToUtf8(captionWithUnit(state.languageIndex, id, unit));
}

// "Pump head (kPa) 56,28    Total flow (l/s) 1,90".
std::string dutyPoint(const AppState& state, const SystemResult& result)
{
    return caption(state, branch_text::kPumpHead, pressureUnitLabel(state)) + " " +
           formatFigure(result.pumpHead) + "    " +
           caption(state, branch_text::kTotalFlow, flowUnitLabel(state)) + " " + formatFigure(result.totalFlow);
}

} // namespace

std::string systemChartSvg(const AppState& state, const HydronicSystem& system, const SystemResult& result)
{
    StackedBarChartTexts texts;
    texts.title = TextTable::utf8(state.languageIndex, system_text::kBalanceSystem);
    if (!system.settings.name.empty())
        texts.title += " – " + system.settings.name;
    texts.titleBaseline = 28.0;
    texts.note = ChartNote{"duty-point", dutyPoint(state, result), 50.0};
    for (const Part& part : kParts)
        texts.series.push_back({part.id, part.colour, caption(state, part.captionId, pressureUnitLabel(state))});
    // Two entries a line: the longest captions (Russian) need the room.
    texts.legend = {16.0, 66.0, 2, 370.0};
    texts.axisCaption = pressureUnitLabel(state);
    for (const SystemBranch& branch : system.branches)
        texts.names.push_back(branch.branch.settings.name);
    texts.indexId = "index-branch";
    texts.head = {"pump-head", 6.0, ""};
    return stackedBarChartSvg(systemChart(result), texts);
}
