#include "branch/branch_chart_svg.h"

#include "app/unit_conversion.h"
#include "branch/branch_chart.h"
#include "branch/branch_result_texts.h"
#include "branch/branch_text_ids.h"
#include "data/number_text.h"
#include "data/text_format.h"
#include "data/text_table.h"
#include "plot/bar_chart_svg.h"
#include "plot/svg_text.h"

#include <sstream>

namespace {

using namespace branch_text;

constexpr const char* kRiserColour = "#9aa9b8";
constexpr const char* kCircuitColour = "#1f5fa8";
constexpr const char* kValveColour = "#e0a030";
constexpr const char* kIndexColour = "#d02020";
// The room left of the bars holds about this many characters of 12 px
// Roboto, capitals and Cyrillic included; a longer label ends in "…".
constexpr std::size_t kLabelCharacters = 21;

std::string utf8Text(int language, int id, const std::string& unit)
{
    return utf16ToUtf8(captionWithUnit(language, id, unit));
}

void appendLegend(std::ostringstream& out, const AppState& state, const StackedBarChart& chart)
{
    const int language = state.languageIndex;
    const std::string unit = pressureUnitLabel(state);
    const struct {
        const char* colour;
        std::string caption;
    } entries[] = {{kRiserColour, utf8Text(language, kRiserLoss, unit)},
                   {kCircuitColour, utf8Text(language, kCircuitLoss, unit)},
                   {kValveColour, utf8Text(language, kDpValve, unit)}};
    double x = chart.area.left;
    out << "<g font-size=\"12\" fill=\"#202020\">\n";
    for (const auto& entry : entries) {
        appendSvgRect(out, "legend", x, 48.0, 12.0, 12.0, entry.colour);
        appendSvgText(out, x + 18.0, 58.0, "start", entry.caption);
        x += 190.0;
    }
    out << "</g>\n";
}

void appendBars(std::ostringstream& out, const Branch& branch, const StackedBarChart& chart)
{
    for (std::size_t i = 0; i < chart.bars.size(); ++i) {
        const StackedBar& bar = chart.bars[i];
        const std::string number = std::to_string(i + 1);
        appendSvgRect(out, "bar-" + number + "-riser", bar.segments[0].left, bar.top, bar.segments[0].width,
                      bar.height, kRiserColour);
        appendSvgRect(out, "bar-" + number + "-circuit", bar.segments[1].left, bar.top, bar.segments[1].width,
                      bar.height, kCircuitColour);
        appendSvgRect(out, "bar-" + number + "-valve", bar.segments[2].left, bar.top, bar.segments[2].width,
                      bar.height, kValveColour);
        const std::string label = shortenedText(
            number + " " + (i < branch.circuits.size() ? branch.circuits[i].designation : ""), kLabelCharacters);
        if (!bar.index) {
            appendSvgText(out, chart.area.left - 8.0, bar.top + bar.height - 3.0, "end", label,
                          " font-size=\"12\" fill=\"#202020\"");
            continue;
        }
        out << "<g id=\"index-circuit\">\n<rect x=\"" << svgCoordinate(chart.area.left - 2.0) << "\" y=\""
            << svgCoordinate(bar.top - 2.0) << "\" width=\"" << svgCoordinate(chart.headX - chart.area.left + 4.0)
            << "\" height=\"" << svgCoordinate(bar.height + 4.0) << "\" fill=\"none\" stroke=\"" << kIndexColour
            << "\" stroke-width=\"2\"/>\n";
        appendSvgText(out, chart.area.left - 8.0, bar.top + bar.height - 3.0, "end", label,
                      std::string(" font-size=\"12\" font-weight=\"bold\" fill=\"") + kIndexColour + "\"");
        out << "</g>\n";
    }
}

void appendPumpHead(std::ostringstream& out, const AppState& state, const BranchResult& result,
                    const StackedBarChart& chart)
{
    const double bottom = chart.area.top + chart.area.height;
    out << "<g id=\"pump-head\">\n<line x1=\"" << svgCoordinate(chart.headX) << "\" y1=\""
        << svgCoordinate(chart.area.top - 8.0) << "\" x2=\"" << svgCoordinate(chart.headX) << "\" y2=\""
        << svgCoordinate(bottom) << "\" stroke=\"" << kIndexColour << "\" stroke-width=\"1.5\" stroke-dasharray=\"5,3\"/>\n";
    const std::string caption = utf8Text(state.languageIndex, kPumpHead, pressureUnitLabel(state)) + " " +
                                formatResultNumber(result.pumpHead);
    appendSvgText(out, chart.headX, chart.area.top - 14.0, "end", caption,
                  std::string(" font-size=\"12\" font-weight=\"bold\" fill=\"") + kIndexColour + "\"");
    out << "</g>\n";
}

} // namespace

std::string branchChartSvg(const AppState& state, const Branch& branch, const BranchResult& result)
{
    const StackedBarChart chart = branchChart(result);
    std::ostringstream out;
    out << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        << "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" << svgCoordinate(chart.width) << "\" height=\""
        << svgCoordinate(chart.height) << "\" viewBox=\"0 0 " << svgCoordinate(chart.width) << ' '
        << svgCoordinate(chart.height) << "\" font-family=\"Roboto, sans-serif\">\n"
        << "<rect width=\"100%\" height=\"100%\" fill=\"#ffffff\"/>\n";
    std::string title = TextTable::utf8(state.languageIndex, kBranch);
    if (!branch.settings.name.empty())
        title += " – " + branch.settings.name;
    appendSvgText(out, 16.0, 30.0, "start", title, " font-size=\"16\" font-weight=\"bold\" fill=\"#202020\"");
    appendLegend(out, state, chart);
    appendBarChartAxis(out, chart.area, chart.axis, pressureUnitLabel(state));
    appendBars(out, branch, chart);
    appendPumpHead(out, state, result, chart);
    out << "</svg>\n";
    return out.str();
}
