#pragma once

#include "plot/curve_plot.h"

#include <sstream>
#include <string>

// Pieces of the horizontal bar charts (a branch's circuits, a system's
// branches): bars along a pressure axis that runs left to right.

// Where a value lies along the axis spanning the area's width.
double barChartX(const PlotArea& area, const PlotAxis& axis, double value);

// <rect> with an id and a fill colour.
void appendSvgRect(std::ostringstream& out, const std::string& id, double left, double top, double width,
                   double height, const char* fill);

// A grid line per tick across the area, the tick values below it and the
// unit under them.
void appendBarChartAxis(std::ostringstream& out, const PlotArea& area, const PlotAxis& axis, const std::string& unit);
