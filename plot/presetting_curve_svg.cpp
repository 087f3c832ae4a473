#include "plot/presetting_curve_svg.h"

#include "data/number_text.h"
#include "data/text_table.h"
#include "plot/curve_plot.h"
#include "plot/svg_text.h"

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

void appendGrid(std::ostringstream& out, const PlotAxis& x, const PlotAxis& y)
{
    out << "<g stroke=\"#d0d0d0\" stroke-width=\"1\">\n";
    for (const double tick : axisTicks(x)) {
        const PlotPoint at = plotPoint(x, y, kArea, tick, y.low);
        out << "<line x1=\"" << svgCoordinate(at.x) << "\" y1=\"" << svgCoordinate(kArea.top) << "\" x2=\""
            << svgCoordinate(at.x) << "\" y2=\"" << svgCoordinate(at.y) << "\"/>\n";
    }
    for (const double tick : axisTicks(y)) {
        const PlotPoint at = plotPoint(x, y, kArea, x.low, tick);
        out << "<line x1=\"" << svgCoordinate(at.x) << "\" y1=\"" << svgCoordinate(at.y) << "\" x2=\""
            << svgCoordinate(kArea.left + kArea.width) << "\" y2=\"" << svgCoordinate(at.y) << "\"/>\n";
    }
    out << "</g>\n<g font-size=\"12\" fill=\"#202020\">\n";
    for (const double tick : axisTicks(x)) {
        const PlotPoint at = plotPoint(x, y, kArea, tick, y.low);
        appendSvgText(out, at.x, at.y + 18.0, "middle", svgTickText(tick, x.step));
    }
    for (const double tick : axisTicks(y)) {
        const PlotPoint at = plotPoint(x, y, kArea, x.low, tick);
        appendSvgText(out, at.x - 8.0, at.y + 4.0, "end", svgTickText(tick, y.step));
    }
    out << "</g>\n<rect x=\"" << svgCoordinate(kArea.left) << "\" y=\"" << svgCoordinate(kArea.top) << "\" width=\""
        << svgCoordinate(kArea.width) << "\" height=\"" << svgCoordinate(kArea.height)
        << "\" fill=\"none\" stroke=\"#404040\" stroke-width=\"1\"/>\n";
}

void appendOperatingPoint(std::ostringstream& out, const PlotPoint& at, const std::string& presettingLine,
                          const std::string& valueLine)
{
    out << "<circle id=\"operating-point\" cx=\"" << svgCoordinate(at.x) << "\" cy=\"" << svgCoordinate(at.y)
        << "\" r=\"5\" fill=\"#d02020\" stroke=\"#ffffff\" stroke-width=\"1.5\"/>\n";
    // The label stays inside the plot: left of the point in its right half.
    const bool leftOfPoint = at.x > kArea.left + kArea.width / 2.0;
    const double x = at.x + (leftOfPoint ? -10.0 : 10.0);
    const double y = std::max(at.y - 22.0, kArea.top + 16.0);
    const char* anchor = leftOfPoint ? "end" : "start";
    out << "<g id=\"operating-label\" font-size=\"13\" font-weight=\"bold\" fill=\"#d02020\">\n";
    appendSvgText(out, x, y, anchor, presettingLine);
    appendSvgText(out, x, y + 16.0, anchor, valueLine);
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
    appendSvgText(out, kArea.left, 34.0, "start", title, " font-size=\"16\" font-weight=\"bold\" fill=\"#202020\"");
    appendGrid(out, x, y);

    out << "<polyline id=\"curve\" fill=\"none\" stroke=\"#1f5fa8\" stroke-width=\"2\" points=\"";
    for (const CurvePoint& point : curve.points) {
        const PlotPoint at = plotPoint(x, y, kArea, point.presetting, point.value);
        out << svgCoordinate(at.x) << ',' << svgCoordinate(at.y) << ' ';
    }
    out << "\"/>\n";

    const PlotPoint marked = plotPoint(x, y, kArea, curve.operatingPoint.presetting, curve.operatingPoint.value);
    appendOperatingPoint(out, marked, presettingCaption + " " + formatResultNumber(curve.operatingPoint.presetting),
                         valueCaption + " " + formatResultNumber(curve.operatingPoint.value) + " (" + unit + ")");

    out << "<g font-size=\"13\" fill=\"#202020\">\n";
    appendSvgText(out, kArea.left + kArea.width / 2.0, kArea.top + kArea.height + 44.0, "middle", presettingCaption);
    const double yCaptionX = 24.0;
    const double yCaptionY = kArea.top + kArea.height / 2.0;
    appendSvgText(out, yCaptionX, yCaptionY, "middle", valueCaption + " (" + unit + ")",
               " transform=\"rotate(-90 " + svgCoordinate(yCaptionX) + ' ' + svgCoordinate(yCaptionY) + ")\"");
    out << "</g>\n</svg>\n";
    return out.str();
}
