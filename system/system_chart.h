#pragma once

#include "plot/curve_plot.h"
#include "system/balance_system.h"

#include <array>
#include <vector>

// The parts of a branch's path from the pump, in the order the bar shows
// them: the plant, the main up to its take-off, the branch's head (its
// requirement behind a foot device, the pressure at its take-off without
// one), the foot device's drop.
enum class SystemPart { Plant = 0, Main = 1, Branch = 2, FootDevice = 3 };
inline constexpr std::size_t kSystemParts = 4;

// A stretch of a bar along the pressure axis, in picture units.
struct SystemSegment {
    double left = 0.0;
    double width = 0.0;
};

struct SystemBar {
    double top = 0.0;
    double height = 0.0;
    std::array<SystemSegment, kSystemParts> parts; // by SystemPart
    bool index = false;
};

// The chart of a system: a horizontal bar per branch, from the pump at the
// left of the plot to the pump head, one below the other in main order.
struct SystemChart {
    double width = 0.0; // the whole picture
    double height = 0.0;
    PlotArea area;      // where the bars lie
    PlotAxis axis;      // the pressure axis, from 0, in the pressure unit in force
    double headX = 0.0; // where every bar ends
    std::vector<SystemBar> bars;
};

SystemChart systemChart(const SystemResult& result);

// Where a pressure lies along the axis.
double systemChartX(const SystemChart& chart, double pressure);
