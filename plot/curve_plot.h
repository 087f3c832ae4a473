#pragma once

#include <vector>

// A linear axis: its ends and the distance between its ticks.
struct PlotAxis {
    double low = 0.0;
    double high = 1.0;
    double step = 1.0;
};

// The drawing area of a plot, in its own units (y grows downwards).
struct PlotArea {
    double left = 0.0;
    double top = 0.0;
    double width = 0.0;
    double height = 0.0;
};

struct PlotPoint {
    double x = 0.0;
    double y = 0.0;
};

// An axis over low..high whose ticks fall on 1, 2 or 5 times a power of ten,
// at most maxTicks intervals, its ends on ticks. A range without width gets
// one step around its value.
PlotAxis roundedAxis(double low, double high, int maxTicks);

// The tick values from low to high.
std::vector<double> axisTicks(const PlotAxis& axis);

// Where a value pair lies in the area: x from left to right, y from bottom to top.
PlotPoint plotPoint(const PlotAxis& x, const PlotAxis& y, const PlotArea& area, double xValue, double yValue);
