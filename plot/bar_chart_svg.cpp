#include "plot/bar_chart_svg.h"

#include "plot/svg_text.h"

double barChartX(const PlotArea& area, const PlotAxis& axis, double value)
{
    const double span = axis.high - axis.low;
    return area.left + (span > 0.0 ? (value - axis.low) / span * area.width : 0.0);
}

void appendSvgRect(std::ostringstream& out, const std::string& id, double left, double top, double width,
                   double height, const char* fill)
{
    out << "<rect id=\"" << id << "\" x=\"" << svgCoordinate(left) << "\" y=\"" << svgCoordinate(top)
        << "\" width=\"" << svgCoordinate(width) << "\" height=\"" << svgCoordinate(height) << "\" fill=\"" << fill
        << "\"/>\n";
}

void appendBarChartAxis(std::ostringstream& out, const PlotArea& area, const PlotAxis& axis, const std::string& unit)
{
    const double bottom = area.top + area.height;
    out << "<g stroke=\"#d0d0d0\" stroke-width=\"1\">\n";
    for (const double tick : axisTicks(axis))
        out << "<line x1=\"" << svgCoordinate(barChartX(area, axis, tick)) << "\" y1=\"" << svgCoordinate(area.top)
            << "\" x2=\"" << svgCoordinate(barChartX(area, axis, tick)) << "\" y2=\"" << svgCoordinate(bottom)
            << "\"/>\n";
    out << "</g>\n<g font-size=\"12\" fill=\"#202020\">\n";
    for (const double tick : axisTicks(axis))
        appendSvgText(out, barChartX(area, axis, tick), bottom + 18.0, "middle", svgTickText(tick, axis.step));
    appendSvgText(out, area.left + area.width / 2.0, bottom + 42.0, "middle", unit);
    out << "</g>\n";
}
