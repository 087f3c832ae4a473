#pragma once

#include "plot/curve_plot.h"

#include <cstddef>
#include <vector>

// A stretch of a bar along the pressure axis, in picture units.
struct BarSegment {
    double left = 0.0;
    double width = 0.0;
};

// One row of the chart: its segments laid end to end from the left.
struct StackedBar {
    double top = 0.0;
    double height = 0.0;
    std::vector<BarSegment> segments;
    bool index = false;
};

// A horizontal bar chart along a pressure axis from 0 at the left: a bar a
// row, one below the other, each ending at the head (a branch's circuits,
// a system's branches, ending at the pump head).
struct StackedBarChart {
    double width = 0.0;  // the whole picture
    double height = 0.0;
    PlotArea area;       // where the bars lie
    PlotAxis axis;       // the pressure axis, from 0
    double headX = 0.0;  // where every bar ends
    std::vector<StackedBar> bars;
};

// The rows: the room above the first (title, legend), the distance from one
// row to the next, and a bar's thickness, centred in its row.
struct BarRows {
    double top = 0.0;
    double pitch = 0.0;
    double barHeight = 0.0;
};

// The chart of bars each given as the pressures where its segments end, in
// turn from the left; a segment that would run backwards stays empty where
// the one before it ends. The axis reaches the head; the bar at indexBar is
// the index.
StackedBarChart stackedBarChart(const std::vector<std::vector<double>>& segmentEnds, double head,
                                std::size_t indexBar, const BarRows& rows);

// Where a pressure lies along the axis.
double stackedBarX(const StackedBarChart& chart, double pressure);
