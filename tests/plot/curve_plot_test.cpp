#include "plot/curve_plot.h"

#include <gtest/gtest.h>

namespace {

struct AxisCase {
    const char* name;
    double low;
    double high;
    PlotAxis expected;
};

TEST(CurvePlot, AxesEndOnRoundTicksAroundTheirValues)
{
    const AxisCase cases[] = {
        {"presetting scale", 0.5, 4.0, {0.5, 4.0, 0.5}},
        {"flow coefficients", 0.0, 5.79, {0.0, 6.0, 1.0}},
        {"small flows", 0.0, 0.0456, {0.0, 0.05, 0.01}},
        {"large values", 0.0, 1234.0, {0.0, 1400.0, 200.0}},
        {"no width", 2.0, 2.0, {1.0, 3.0, 0.5}},
    };
    for (const AxisCase& c : cases) {
        const PlotAxis axis = roundedAxis(c.low, c.high, 8);
        EXPECT_NEAR(axis.low, c.expected.low, 1e-9) << c.name;
        EXPECT_NEAR(axis.high, c.expected.high, 1e-9) << c.name;
        EXPECT_NEAR(axis.step, c.expected.step, 1e-12) << c.name;
        EXPECT_LE(axisTicks(axis).size(), 9u) << c.name;
    }
}

TEST(CurvePlot, TicksRunFromEndToEnd)
{
    const std::vector<double> ticks = axisTicks({0.5, 2.0, 0.5});
    ASSERT_EQ(ticks.size(), 4u);
    EXPECT_DOUBLE_EQ(ticks.front(), 0.5);
    EXPECT_DOUBLE_EQ(ticks.back(), 2.0);
}

TEST(CurvePlot, PointsMapLeftToRightAndBottomToTop)
{
    const PlotAxis x{0.0, 4.0, 1.0};
    const PlotAxis y{0.0, 10.0, 2.0};
    const PlotArea area{100.0, 50.0, 400.0, 200.0};
    const struct {
        double x, y, px, py;
    } cases[] = {{0.0, 0.0, 100.0, 250.0}, {4.0, 10.0, 500.0, 50.0}, {3.7, 2.5, 470.0, 200.0}};
    for (const auto& c : cases) {
        const PlotPoint at = plotPoint(x, y, area, c.x, c.y);
        EXPECT_NEAR(at.x, c.px, 1e-9) << c.x;
        EXPECT_NEAR(at.y, c.py, 1e-9) << c.y;
    }
}

} // namespace
