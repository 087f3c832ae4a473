#include "branch/branch_chart_svg.h"

#include "app/unit_conversion.h"
#include "branch/branch_chart.h"
#include "branch/branch_result_texts.h"
#include "branch/branch_text_ids.h"
#include "data/figure_text.h"
#include "data/text_format.h"
#include "data/text_table.h"
#include "plot/stacked_bar_chart_svg.h"

#include <iterator>

namespace {

using namespace branch_text;

struct Segment {
    const char* id;
    const char* colour;
    int captionId;
};
// In the order of a circuit's bar.
const Segment kSegments[] = {
    {"riser", "#9aa9b8", kRiserLoss},
    {"circuit", "#1f5fa8", kCircuitLoss},
    {"valve", "#e0a030", kDpValve},
};

std::string pressureCaption(const AppState& state, int id)
{
    return utf16ToUtf8(captionWithUnit(state.languageIndex, id, pressureUnitLabel(state)));
}

} // namespace

std::string branchChartSvg(const AppState& state, const Branch& branch, const BranchResult& result)
{
    const StackedBarChart chart = branchChart(result);
    StackedBarChartTexts texts;
    texts.title = TextTable::utf8(state.languageIndex, kBranch);
    if (!branch.settings.name.empty())
        texts.title += " – " + branch.settings.name;
    texts.titleBaseline = 30.0;
    for (const Segment& segment : kSegments)
        texts.series.push_back({segment.id, segment.colour, pressureCaption(state, segment.captionId)});
    // One line above the bars, from their left edge.
    texts.legend = {chart.area.left, 48.0, std::size(kSegments), 190.0};
    texts.axisCaption = pressureUnitLabel(state);
    for (const BranchCircuit& circuit : branch.circuits)
        texts.names.push_back(circuit.designation);
    texts.indexId = "index-circuit";
    texts.head = {"pump-head", 8.0, pressureCaption(state, kPumpHead) + " " + formatFigure(result.pumpHead)};
    return stackedBarChartSvg(chart, texts);
}
