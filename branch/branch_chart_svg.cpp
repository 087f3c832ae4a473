#include "branch/branch_chart_svg.h"

#include "app/unit_conversion.h"
#include "branch/branch_chart.h"
#include "branch/branch_result_texts.h"
#include "branch/branch_text_ids.h"
#include "data/figure_text.h"
#include "data/text_format.h"
#include "data/text_table.h"
#include "plot/stacked_bar_chart_svg.h"

#include <vector>

namespace {

using namespace branch_text;

struct Segment {
    const char* id;
    const char* colour;
    int captionId;
};
// In the order of a circuit's bar; the control valve's only where the
// branch has control valves.
const Segment kRiserSegment{"riser", "#9aa9b8", kRiserLoss};
const Segment kCircuitSegment{"circuit", "#1f5fa8", kCircuitLoss};
const Segment kControlValveSegment{"control-valve", "#7a4fb0", kDpControlValve};
const Segment kValveSegment{"valve", "#e0a030", kDpValve};

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
    std::vector<Segment> segments{kRiserSegment, kCircuitSegment};
    if (hasControlValves(result))
        segments.push_back(kControlValveSegment);
    segments.push_back(kValveSegment);
    for (const Segment& segment : segments)
        texts.series.push_back({segment.id, segment.colour, pressureCaption(state, segment.captionId)});
    // Above the bars, from their left edge: one line, or two of two when a
    // control valve's entry makes four.
    texts.legend = segments.size() > 3 ? LegendPlacement{chart.area.left, 48.0, 2, 300.0}
                                       : LegendPlacement{chart.area.left, 48.0, segments.size(), 190.0};
    texts.axisCaption = pressureUnitLabel(state);
    for (const BranchCircuit& circuit : branch.circuits)
        texts.names.push_back(circuit.designation);
    texts.indexId = "index-circuit";
    texts.head = {"pump-head", 8.0, pressureCaption(state, kPumpHead) + " " + formatFigure(result.pumpHead)};
    return stackedBarChartSvg(chart, texts);
}
