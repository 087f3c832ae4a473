#include "branch/branch_chart.h"

#include "plot/bar_chart_svg.h"

#include <algorithm>

namespace {

constexpr double kWidth = 760.0;
constexpr double kLeft = 170.0;  // room for "number designation"
constexpr double kTop = 96.0;    // title and legend
constexpr double kBottom = 56.0; // ticks and the axis caption
constexpr double kRight = 40.0;
constexpr double kPitch = 24.0;  // one bar and the gap below it
constexpr double kBarHeight = 16.0;
constexpr int kMaxTicks = 8;

ChartSegment segment(const BranchChart& chart, double from, double to)
{
    const double left = chartX(chart, from);
    return {left, std::max(0.0, chartX(chart, std::max(from, to)) - left)};
}

} // namespace

double chartX(const BranchChart& chart, double pressure)
{
    return barChartX(chart.area, chart.axis, pressure);
}

BranchChart branchChart(const BranchResult& result)
{
    BranchChart chart;
    const double rows = static_cast<double>(std::max<std::size_t>(result.circuits.size(), 1));
    chart.width = kWidth;
    chart.area = {kLeft, kTop, kWidth - kLeft - kRight, rows * kPitch};
    chart.height = kTop + chart.area.height + kBottom;
    chart.axis = roundedAxis(0.0, std::max(0.0f, result.pumpHead), kMaxTicks);
    const double head = result.pumpHead;
    chart.headX = chartX(chart, head);
    for (std::size_t i = 0; i < result.circuits.size(); ++i) {
        const CircuitResult& circuit = result.circuits[i];
        ChartBar bar;
        bar.top = kTop + static_cast<double>(i) * kPitch + (kPitch - kBarHeight) / 2.0;
        bar.height = kBarHeight;
        const double riserEnd = circuit.riserUpTo;
        const double circuitEnd = riserEnd + circuit.circuitLoss;
        bar.riser = segment(chart, 0.0, riserEnd);
        bar.circuit = segment(chart, riserEnd, circuitEnd);
        bar.valve = segment(chart, circuitEnd, head);
        bar.index = i == result.indexCircuit;
        chart.bars.push_back(bar);
    }
    return chart;
}
