#pragma once

#include "branch/balance_branch.h"
#include "plot/curve_plot.h"

#include <vector>

// A stretch of a bar along the pressure axis, in picture units.
struct ChartSegment {
    double left = 0.0;
    double width = 0.0;
};

// One circuit's bar: riser loss up to its take-off, its own loss, then its
// valve's pressure drop, ending at the pump head.
struct ChartBar {
    double top = 0.0;
    double height = 0.0;
    ChartSegment riser;
    ChartSegment circuit;
    ChartSegment valve;
    bool index = false;
};

// The chart of a branch: a horizontal bar per circuit, from the pump at the
// left of the plot to the pump head, one below the other in branch order.
struct BranchChart {
    double width = 0.0;  // the whole picture
    double height = 0.0;
    PlotArea area;       // where the bars lie
    PlotAxis axis;       // the pressure axis, from 0, in the pressure unit in force
    double headX = 0.0;  // where every bar ends
    std::vector<ChartBar> bars;
};

BranchChart branchChart(const BranchResult& result);

// Where a pressure lies along the axis.
double chartX(const BranchChart& chart, double pressure);
