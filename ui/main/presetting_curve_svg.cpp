#include "ui/main/presetting_curve_svg.h"

#include "data/number_text.h"
#include "data/text_table.h"
#include "ui/main/curve_plot.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <sstream>

namespace {

constexpr int kTextFlowRate = 54;
constexpr int kTextPresetting = 59;
constexpr int kTextKvValue = 60;
constexpr int kTextPresettingCurve = 112;
constexpr const char* kKvUnit = "m³/h";

constexpr PlotArea kArea{84.0, 64.0, 520.0, 280.0};
constexpr int kMaxTicks = 8;

std::string escaped(const std::string& text)
{
    std::string out;
    for (const char c : text) {
        switch (c) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '"': out += "&quot;"; break;
        default: out += c;
        }
    }
    return out;
}

std::string coordinate(double value)
{
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.2f", value);
    return buffer;
}

// A tick value with as many decimals as its step needs, with a decimal comma.
std::string tickText(double value, double step)
{
    const int decimals = std::max(0, static_cast<int>(-std::floor(std::log10(step) + 1e-9)));
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.*f", decimals, std::fabs(value) < step / 1e6 ? 0.0 : value);
    std::string text = buffer;
    std::replace(text.begin(), text.end(), '.', ',');
    return text;
}

void appendText(std::ostringstream& out, double x, double y, const char* anchor, const std::string& text,
                const std::string& extra = {})
{
    out << "<text x=\"" << coordinate(x) << "\" y=\"" << coordinate(y) << "\" text-anchor=\"" << anchor << "\""
        << extra << ">" << escaped(text) << "</text>\n";
}

void appendGrid(std::ostringstream& out, const PlotAxis& x, const PlotAxis& y)
{
    out << "<g stroke=\"#d0d0d0\" stroke-width=\"1\">\n";
    for (const double tick : axisTicks(x)) {
        const PlotPoint at = plotPoint(x, y, kArea, tick, y.low);
        out << "<line x1=\"" << coordinate(at.x) << "\" y1=\"" << coordinate(kArea.top) << "\" x2=\""
            << coordinate(at.x) << "\" y2=\"" << coordinate(at.y) << "\"/>\n";
    }
    for (const double tick : axisTicks(y)) {
        const PlotPoint at = plotPoint(x, y, kArea, x.low, tick);
        out << "<line x1=\"" << coordinate(at.x) << "\" y1=\"" << coordinate(at.y) << "\" x2=\""
            << coordinate(kArea.left + kArea.width) << "\" y2=\"" << coordinate(at.y) << "\"/>\n";
    }
    out << "</g>\n<g font-size=\"12\" fill=\"#202020\">\n";
    for (const double tick : axisTicks(x)) {
        const PlotPoint at = plotPoint(x, y, kArea, tick, y.low);
        appendText(out, at.x, at.y + 18.0, "middle", tickText(tick, x.step));
    }
    for (const double tick : axisTicks(y)) {
        const PlotPoint at = plotPoint(x, y, kArea, x.low, tick);
        appendText(out, at.x - 8.0, at.y + 4.0, "end", tickText(tick, y.step));
    }
    out << "</g>\n<rect x=\"" << coordinate(kArea.left) << "\" y=\"" << coordinate(kArea.top) << "\" width=\""
        << coordinate(kArea.width) << "\" height=\"" << coordinate(kArea.height)
        << "\" fill=\"none\" stroke=\"#404040\" stroke-width=\"1\"/>\n";
}

void appendOperatingPoint(std::ostringstream& out, const PlotPoint& at, const std::string& presettingLine,
                          const std::string& valueLine)
{
    out << "<circle id=\"operating-point\" cx=\"" << coordinate(at.x) << "\" cy=\"" << coordinate(at.y)
        << "\" r=\"5\" fill=\"#d02020\" stroke=\"#ffffff\" stroke-width=\"1.5\"/>\n";
    // The label stays inside the plot: left of the point in its right half.
    const bool leftOfPoint = at.x > kArea.left + kArea.width / 2.0;
    const double x = at.x + (leftOfPoint ? -10.0 : 10.0);
    const double y = std::max(at.y - 22.0, kArea.top + 16.0);
    const char* anchor = leftOfPoint ? "end" : "start";
    out << "<g id=\"operating-label\" font-size=\"13\" font-weight=\"bold\" fill=\"#d02020\">\n";
    appendText(out, x, y, anchor, presettingLine);
    appendText(out, x, y + 16.0, anchor, valueLine);
    out << "</g>\n";
}

bool showable(const CurvePoint& point)
{
    return formatResultNumber(point.presetting) != "---" && formatResultNumber(point.value) != "---";
}

} // namespace

bool curveIsDrawable(const PresettingCurve& curve)
{
    return !curve.points.empty() && showable(curve.operatingPoint) &&
           std::all_of(curve.points.begin(), curve.points.end(), showable);
}

std::string presettingCurveSvg(const PresettingCurve& curve, int languageIndex, const std::string& flowUnit)
{
    const std::string valueCaption = TextTable::utf8(languageIndex, curve.flowCurve ? kTextFlowRate : kTextKvValue);
    const std::string unit = curve.flowCurve ? flowUnit : kKvUnit;
    const std::string presettingCaption = TextTable::utf8(languageIndex, kTextPresetting);

    double highest = curve.operatingPoint.value;
    for (const CurvePoint& point : curve.points)
        highest = std::max(highest, static_cast<double>(point.value));
    const PlotAxis x = roundedAxis(curve.points.front().presetting, curve.points.back().presetting, kMaxTicks);
    const PlotAxis y = roundedAxis(0.0, highest, kMaxTicks);

    std::ostringstream out;
    out << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        << "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" << kCurveSvgWidth << "\" height=\"" << kCurveSvgHeight
        << "\" viewBox=\"0 0 " << kCurveSvgWidth << ' ' << kCurveSvgHeight
        << "\" font-family=\"Roboto, sans-serif\">\n"
        << "<rect width=\"100%\" height=\"100%\" fill=\"#ffffff\"/>\n";
    const std::string title = TextTable::utf8(languageIndex, kTextPresettingCurve) + " – " + curve.model + " " +
                              curve.nominalSize + " (" + curve.technicalCode + ")";
    appendText(out, kArea.left, 34.0, "start", title, " font-size=\"16\" font-weight=\"bold\" fill=\"#202020\"");
    appendGrid(out, x, y);

    out << "<polyline id=\"curve\" fill=\"none\" stroke=\"#1f5fa8\" stroke-width=\"2\" points=\"";
    for (const CurvePoint& point : curve.points) {
        const PlotPoint at = plotPoint(x, y, kArea, point.presetting, point.value);
        out << coordinate(at.x) << ',' << coordinate(at.y) << ' ';
    }
    out << "\"/>\n";

    const PlotPoint marked = plotPoint(x, y, kArea, curve.operatingPoint.presetting, curve.operatingPoint.value);
    appendOperatingPoint(out, marked, presettingCaption + " " + formatResultNumber(curve.operatingPoint.presetting),
                         valueCaption + " " + formatResultNumber(curve.operatingPoint.value) + " (" + unit + ")");

    out << "<g font-size=\"13\" fill=\"#202020\">\n";
    appendText(out, kArea.left + kArea.width / 2.0, kArea.top + kArea.height + 44.0, "middle", presettingCaption);
    const double yCaptionX = 24.0;
    const double yCaptionY = kArea.top + kArea.height / 2.0;
    appendText(out, yCaptionX, yCaptionY, "middle", valueCaption + " (" + unit + ")",
               " transform=\"rotate(-90 " + coordinate(yCaptionX) + ' ' + coordinate(yCaptionY) + ")\"");
    out << "</g>\n</svg>\n";
    return out.str();
}
