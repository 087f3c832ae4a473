#include "plot/stacked_bar_chart.h"

#include <algorithm>

namespace {

constexpr double kWidth = 760.0;
constexpr double kLeft = 170.0;  // room for "number name"
constexpr double kBottom = 56.0; // ticks and the axis caption
constexpr double kRight = 40.0;
constexpr int kMaxTicks = 8;

StackedBar stackedBar(const StackedBarChart& chart, const std::vector<double>& segmentEnds, double top,
                      double height)
{
    StackedBar bar;
    bar.top = top;
    bar.height = height;
    double from = 0.0;
    for (const double end : segmentEnds) {
        const double to = std::max(from, end);
        const double left = stackedBarX(chart, from);
        bar.segments.push_back({left, stackedBarX(chart, to) - left});
        from = to;
    }
    return bar;
}

} // namespace

double stackedBarX(const StackedBarChart& chart, double pressure)
{
    const double span = chart.axis.high - chart.axis.low;
    return chart.area.left + (span > 0.0 ? (pressure - chart.axis.low) / span * chart.area.width : 0.0);
}

StackedBarChart stackedBarChart(const std::vector<std::vector<double>>& segmentEnds, double head,
                                std::size_t indexBar, const BarRows& rows)
{
    StackedBarChart chart;
    const double count = static_cast<double>(std::max<std::size_t>(segmentEnds.size(), 1));
    chart.width = kWidth;
    chart.area = {kLeft, rows.top, kWidth - kLeft - kRight, count * rows.pitch};
    chart.height = rows.top + chart.area.height + kBottom;
    chart.axis = roundedAxis(0.0, std::max(0.0, head), kMaxTicks);
    chart.headX = stackedBarX(chart, head);
    for (std::size_t i = 0; i < segmentEnds.size(); ++i) {
        const double top = rows.top + static_cast<double>(i) * rows.pitch + (rows.pitch - rows.barHeight) / 2.0;
        chart.bars.push_back(stackedBar(chart, segmentEnds[i], top, rows.barHeight));
        chart.bars.back().index = i == indexBar;
    }
    return chart;
}
