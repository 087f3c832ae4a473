#include "system/system_chart.h"

#include "plot/bar_chart_svg.h"

#include <algorithm>

namespace {

constexpr double kWidth = 760.0;
constexpr double kLeft = 170.0;  // room for "number name"
constexpr double kTop = 120.0;   // title, duty point and legend
constexpr double kBottom = 56.0; // ticks and the axis caption
constexpr double kRight = 40.0;
constexpr double kPitch = 28.0;  // one bar and the gap below it
constexpr double kBarHeight = 18.0;
constexpr int kMaxTicks = 8;

} // namespace

double systemChartX(const SystemChart& chart, double pressure)
{
    return barChartX(chart.area, chart.axis, pressure);
}

SystemChart systemChart(const SystemResult& result)
{
    SystemChart chart;
    const double rows = static_cast<double>(std::max<std::size_t>(result.branches.size(), 1));
    chart.width = kWidth;
    chart.area = {kLeft, kTop, kWidth - kLeft - kRight, rows * kPitch};
    chart.height = kTop + chart.area.height + kBottom;
    chart.axis = roundedAxis(0.0, std::max(0.0f, result.pumpHead), kMaxTicks);
    chart.headX = systemChartX(chart, result.pumpHead);
    for (std::size_t j = 0; j < result.branches.size(); ++j) {
        const SystemBranchResult& branch = result.branches[j];
        SystemBar bar;
        bar.top = kTop + static_cast<double>(j) * kPitch + (kPitch - kBarHeight) / 2.0;
        bar.height = kBarHeight;
        // Each part ends where the next begins; the last ends at the pump head.
        const double ends[kSystemParts] = {result.plantLoss, result.plantLoss + branch.mainUpTo,
                                           result.plantLoss + branch.mainUpTo + branch.available - branch.foot.drop,
                                           result.pumpHead};
        double from = 0.0;
        for (std::size_t part = 0; part < kSystemParts; ++part) {
            const double to = std::max(from, ends[part]);
            const double left = systemChartX(chart, from);
            bar.parts[part] = {left, systemChartX(chart, to) - left};
            from = to;
        }
        bar.index = j == result.indexBranch;
        chart.bars.push_back(bar);
    }
    return chart;
}
