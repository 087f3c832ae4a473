#include "plot/stacked_bar_chart_svg.h"

#include "plot/svg_text.h"

#include <sstream>

namespace {

constexpr const char* kIndexColour = "#d02020";
constexpr const char* kTextAttributes = " font-size=\"12\" fill=\"#202020\"";
const std::string kIndexTextAttributes =
    std::string(" font-size=\"12\" font-weight=\"bold\" fill=\"") + kIndexColour + "\"";
// The room left of the bars holds about this many characters of 12 px
// Roboto, capitals and Cyrillic included; a longer label ends in "…".
constexpr std::size_t kLabelCharacters = 21;
constexpr double kLegendLinePitch = 20.0;

// <rect> with an id and a fill colour.
void appendSvgRect(std::ostringstream& out, const std::string& id, double left, double top, double width,
                   double height, const char* fill)
{
    out << "<rect id=\"" << id << "\" x=\"" << svgCoordinate(left) << "\" y=\"" << svgCoordinate(top)
        << "\" width=\"" << svgCoordinate(width) << "\" height=\"" << svgCoordinate(height) << "\" fill=\"" << fill
        << "\"/>\n";
}

void appendHeading(std::ostringstream& out, const StackedBarChartTexts& texts)
{
    appendSvgText(out, 16.0, texts.titleBaseline, "start", texts.title,
                  " font-size=\"16\" font-weight=\"bold\" fill=\"#202020\"");
    if (texts.note)
        appendSvgText(out, 16.0, texts.note->baseline, "start", texts.note->text,
                      " id=\"" + texts.note->id + "\" font-size=\"13\" font-weight=\"bold\" fill=\"" + kIndexColour +
                          "\"");
}

void appendLegend(std::ostringstream& out, const std::vector<BarSeries>& series, const LegendPlacement& placement)
{
    out << "<g" << kTextAttributes << ">\n";
    for (std::size_t s = 0; s < series.size(); ++s) {
        const double x = placement.left + static_cast<double>(s % placement.columns) * placement.columnPitch;
        const double y = placement.top + static_cast<double>(s / placement.columns) * kLegendLinePitch;
        appendSvgRect(out, "legend", x, y, 12.0, 12.0, series[s].colour);
        appendSvgText(out, x + 18.0, y + 10.0, "start", series[s].caption);
    }
    out << "</g>\n";
}

// A grid line per tick across the area, the tick values below it and the
// caption under them.
void appendAxis(std::ostringstream& out, const StackedBarChart& chart, const std::string& caption)
{
    const double bottom = chart.area.top + chart.area.height;
    out << "<g stroke=\"#d0d0d0\" stroke-width=\"1\">\n";
    for (const double tick : axisTicks(chart.axis))
        out << "<line x1=\"" << svgCoordinate(stackedBarX(chart, tick)) << "\" y1=\"" << svgCoordinate(chart.area.top)
            << "\" x2=\"" << svgCoordinate(stackedBarX(chart, tick)) << "\" y2=\"" << svgCoordinate(bottom)
            << "\"/>\n";
    out << "</g>\n<g" << kTextAttributes << ">\n";
    for (const double tick : axisTicks(chart.axis))
        appendSvgText(out, stackedBarX(chart, tick), bottom + 18.0, "middle", svgTickText(tick, chart.axis.step));
    appendSvgText(out, chart.area.left + chart.area.width / 2.0, bottom + 42.0, "middle", caption);
    out << "</g>\n";
}

// The label's baseline sits 5 below the bar's middle, which centres 12 px text on it.
void appendBar(std::ostringstream& out, const StackedBarChart& chart, const StackedBarChartTexts& texts,
               std::size_t i)
{
    const StackedBar& bar = chart.bars[i];
    const std::string number = std::to_string(i + 1);
    for (std::size_t s = 0; s < bar.segments.size() && s < texts.series.size(); ++s)
        appendSvgRect(out, "bar-" + number + "-" + texts.series[s].id, bar.segments[s].left, bar.top,
                      bar.segments[s].width, bar.height, texts.series[s].colour);
    const std::string label =
        shortenedText(number + " " + (i < texts.names.size() ? texts.names[i] : ""), kLabelCharacters);
    const double baseline = bar.top + bar.height / 2.0 + 5.0;
    if (!bar.index) {
        appendSvgText(out, chart.area.left - 8.0, baseline, "end", label, kTextAttributes);
        return;
    }
    out << "<g id=\"" << texts.indexId << "\">\n<rect x=\"" << svgCoordinate(chart.area.left - 2.0) << "\" y=\""
        << svgCoordinate(bar.top - 2.0) << "\" width=\"" << svgCoordinate(chart.headX - chart.area.left + 4.0)
        << "\" height=\"" << svgCoordinate(bar.height + 4.0) << "\" fill=\"none\" stroke=\"" << kIndexColour
        << "\" stroke-width=\"2\"/>\n";
    appendSvgText(out, chart.area.left - 8.0, baseline, "end", label, kIndexTextAttributes);
    out << "</g>\n";
}

// The line alone carries the id; with a caption, both go in a group that does.
void appendHeadLine(std::ostringstream& out, const StackedBarChart& chart, const HeadLine& head)
{
    const std::string id = " id=\"" + head.id + "\"";
    const bool captioned = !head.caption.empty();
    const double top = chart.area.top - head.overhang;
    if (captioned)
        out << "<g" << id << ">\n";
    out << "<line" << (captioned ? "" : id) << " x1=\"" << svgCoordinate(chart.headX) << "\" y1=\""
        << svgCoordinate(top) << "\" x2=\"" << svgCoordinate(chart.headX) << "\" y2=\""
        << svgCoordinate(chart.area.top + chart.area.height) << "\" stroke=\"" << kIndexColour
        << "\" stroke-width=\"1.5\" stroke-dasharray=\"5,3\"/>\n";
    if (!captioned)
        return;
    appendSvgText(out, chart.headX, top - 6.0, "end", head.caption, kIndexTextAttributes);
    out << "</g>\n";
}

} // namespace

std::string stackedBarChartSvg(const StackedBarChart& chart, const StackedBarChartTexts& texts)
{
    std::ostringstream out;
    out << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        << "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" << svgCoordinate(chart.width) << "\" height=\""
        << svgCoordinate(chart.height) << "\" viewBox=\"0 0 " << svgCoordinate(chart.width) << ' '
        << svgCoordinate(chart.height) << "\" font-family=\"Roboto, sans-serif\">\n"
        << "<rect width=\"100%\" height=\"100%\" fill=\"#ffffff\"/>\n";
    appendHeading(out, texts);
    appendLegend(out, texts.series, texts.legend);
    appendAxis(out, chart, texts.axisCaption);
    for (std::size_t i = 0; i < chart.bars.size(); ++i)
        appendBar(out, chart, texts, i);
    appendHeadLine(out, chart, texts.head);
    out << "</svg>\n";
    return out.str();
}
