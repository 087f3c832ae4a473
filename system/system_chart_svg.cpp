#include "system/system_chart_svg.h"

#include "app/unit_conversion.h"
#include "branch/branch_result_texts.h"
#include "branch/branch_text_ids.h"
#include "data/number_text.h"
#include "data/text_format.h"
#include "data/text_table.h"
#include "plot/bar_chart_svg.h"
#include "plot/svg_text.h"
#include "system/system_chart.h"
#include "system/system_text_ids.h"

#include <iterator>
#include <sstream>

namespace {

constexpr const char* kIndexColour = "#d02020";
// The room left of the bars holds about this many characters of 12 px
// Roboto; a longer name ends in "…".
constexpr std::size_t kLabelCharacters = 21;

struct Part {
    const char* id;
    const char* colour;
    int captionId;
};
// In the order of a bar's segments.
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

// Two entries a line: the longest captions (Russian) need the room.
void appendLegend(std::ostringstream& out, const AppState& state)
{
    out << "<g font-size=\"12\" fill=\"#202020\">\n";
    for (std::size_t part = 0; part < std::size(kParts); ++part) {
        const double x = 16.0 + static_cast<double>(part % 2) * 370.0;
        const double y = 66.0 + static_cast<double>(part / 2) * 20.0;
        appendSvgRect(out, "legend", x, y, 12.0, 12.0, kParts[part].colour);
        appendSvgText(out, x + 18.0, y + 10.0, "start", caption(state, kParts[part].captionId, pressureUnitLabel(state)));
    }
    out << "</g>\n";
}

void appendBars(std::ostringstream& out, const HydronicSystem& system, const StackedBarChart& chart)
{
    for (std::size_t j = 0; j < chart.bars.size(); ++j) {
        const StackedBar& bar = chart.bars[j];
        const std::string number = std::to_string(j + 1);
        for (std::size_t part = 0; part < std::size(kParts); ++part)
            appendSvgRect(out, "bar-" + number + "-" + kParts[part].id, bar.segments[part].left, bar.top,
                       bar.segments[part].width, bar.height, kParts[part].colour);
        const std::string label = shortenedText(
            number + " " + (j < system.branches.size() ? system.branches[j].branch.settings.name : ""),
            kLabelCharacters);
        if (!bar.index) {
            appendSvgText(out, chart.area.left - 8.0, bar.top + bar.height - 4.0, "end", label,
                          " font-size=\"12\" fill=\"#202020\"");
            continue;
        }
        out << "<g id=\"index-branch\">\n<rect x=\"" << svgCoordinate(chart.area.left - 2.0) << "\" y=\""
            << svgCoordinate(bar.top - 2.0) << "\" width=\"" << svgCoordinate(chart.headX - chart.area.left + 4.0)
            << "\" height=\"" << svgCoordinate(bar.height + 4.0) << "\" fill=\"none\" stroke=\"" << kIndexColour
            << "\" stroke-width=\"2\"/>\n";
        appendSvgText(out, chart.area.left - 8.0, bar.top + bar.height - 4.0, "end", label,
                      std::string(" font-size=\"12\" font-weight=\"bold\" fill=\"") + kIndexColour + "\"");
        out << "</g>\n";
    }
}

void appendPumpHead(std::ostringstream& out, const StackedBarChart& chart)
{
    const double bottom = chart.area.top + chart.area.height;
    out << "<line id=\"pump-head\" x1=\"" << svgCoordinate(chart.headX) << "\" y1=\""
        << svgCoordinate(chart.area.top - 6.0) << "\" x2=\"" << svgCoordinate(chart.headX) << "\" y2=\""
        << svgCoordinate(bottom) << "\" stroke=\"" << kIndexColour
        << "\" stroke-width=\"1.5\" stroke-dasharray=\"5,3\"/>\n";
}

// "Pump head (kPa) 56,28   Total flow (l/s) 1,90": the duty point.
void appendDutyPoint(std::ostringstream& out, const AppState& state, const SystemResult& result)
{
    const std::string text =
        caption(state, branch_text::kPumpHead, pressureUnitLabel(state)) + " " + formatResultNumber(result.pumpHead) +
        "    " + caption(state, branch_text::kTotalFlow, flowUnitLabel(state)) + " " +
        formatResultNumber(result.totalFlow);
    appendSvgText(out, 16.0, 50.0, "start", text,
                  std::string(" id=\"duty-point\" font-size=\"13\" font-weight=\"bold\" fill=\"") + kIndexColour +
                      "\"");
}

} // namespace

std::string systemChartSvg(const AppState& state, const HydronicSystem& system, const SystemResult& result)
{
    const StackedBarChart chart = systemChart(result);
    std::ostringstream out;
    out << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        << "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" << svgCoordinate(chart.width) << "\" height=\""
        << svgCoordinate(chart.height) << "\" viewBox=\"0 0 " << svgCoordinate(chart.width) << ' '
        << svgCoordinate(chart.height) << "\" font-family=\"Roboto, sans-serif\">\n"
        << "<rect width=\"100%\" height=\"100%\" fill=\"#ffffff\"/>\n";
    std::string title = TextTable::utf8(state.languageIndex, system_text::kBalanceSystem);
    if (!system.settings.name.empty())
        title += " – " + system.settings.name;
    appendSvgText(out, 16.0, 28.0, "start", title, " font-size=\"16\" font-weight=\"bold\" fill=\"#202020\"");
    appendDutyPoint(out, state, result);
    appendLegend(out, state);
    appendBarChartAxis(out, chart.area, chart.axis, pressureUnitLabel(state));
    appendBars(out, system, chart);
    appendPumpHead(out, chart);
    out << "</svg>\n";
    return out.str();
}
