// The stacked bar chart's layout: segments end to end along the pressure
// axis from 0, every bar ending at the head, one row below the other.

#include "plot/stacked_bar_chart.h"

#include <gtest/gtest.h>

namespace {

struct ChartCase {
    const char* name;
    std::vector<std::vector<double>> segmentEnds; // kPa
    double head;
    std::size_t index;
    BarRows rows;
    double axisHigh;
    std::vector<std::vector<double>> widths; // kPa
};

TEST(StackedBarChart, LaysTheSegmentsEndToEndFromZeroToTheHead)
{
    const ChartCase cases[] = {
        // A branch's worked example: riser loss 4, 7, 9, 14; circuit loss
        // 10, 8, 5, 12; pump head 35 with the third circuit as the index.
        {"a branch's circuits",
         {{4, 14, 35}, {7, 15, 35}, {9, 14, 35}, {14, 26, 35}},
         35.0,
         2,
         {96.0, 24.0, 16.0},
         35.0,
         {{4, 10, 21}, {7, 8, 20}, {9, 5, 21}, {14, 12, 9}}},
        // A system's: plant 10, pump head 56,2846618 with B as the index;
        // per branch (main, branch head, foot device drop): A (4, 42,2846618,
        // 0), B (7, 30,96, 8,3246618), C (9, 16,34, 20,9446618).
        {"a system's branches",
         {{10, 14, 56.2846618, 56.2846618}, {10, 17, 47.96, 56.2846618}, {10, 19, 35.34, 56.2846618}},
         56.2846618,
         1,
         {120.0, 28.0, 18.0},
         60.0,
         {{10, 4, 42.2846618, 0}, {10, 7, 30.96, 8.3246618}, {10, 9, 16.34, 20.9446618}}},
    };
    for (const ChartCase& c : cases) {
        SCOPED_TRACE(c.name);
        const StackedBarChart chart = stackedBarChart(c.segmentEnds, c.head, c.index, c.rows);
        // The axis runs from 0 to the head's round tick.
        EXPECT_EQ(chart.axis.low, 0.0);
        EXPECT_EQ(chart.axis.high, c.axisHigh);
        EXPECT_DOUBLE_EQ(chart.area.top, c.rows.top);
        const double perKpa = chart.area.width / c.axisHigh;
        EXPECT_NEAR(chart.headX, chart.area.left + c.head * perKpa, 1e-9);
        ASSERT_EQ(chart.bars.size(), c.widths.size());
        for (std::size_t i = 0; i < chart.bars.size(); ++i) {
            SCOPED_TRACE(i);
            const StackedBar& bar = chart.bars[i];
            ASSERT_EQ(bar.segments.size(), c.widths[i].size());
            EXPECT_DOUBLE_EQ(bar.segments.front().left, chart.area.left);
            for (std::size_t s = 0; s < bar.segments.size(); ++s) {
                EXPECT_NEAR(bar.segments[s].width, c.widths[i][s] * perKpa, 1e-9) << s;
                if (s > 0) {
                    EXPECT_NEAR(bar.segments[s].left, bar.segments[s - 1].left + bar.segments[s - 1].width, 1e-9);
                }
            }
            EXPECT_NEAR(bar.segments.back().left + bar.segments.back().width, chart.headX, 1e-9);
            EXPECT_EQ(bar.index, i == c.index);
            EXPECT_DOUBLE_EQ(bar.height, c.rows.barHeight);
            if (i > 0) {
                EXPECT_GT(bar.top, chart.bars[i - 1].top + chart.bars[i - 1].height);
            }
            EXPECT_LE(bar.top + bar.height, chart.area.top + chart.area.height);
        }
        EXPECT_GE(chart.height, chart.area.top + chart.area.height);
    }
}

// A foot device's drop larger than what its branch has left would end the
// branch's segment before the main's: it stays empty there, and the next
// one runs on from it.
TEST(StackedBarChart, ASegmentThatWouldRunBackwardsStaysEmpty)
{
    const StackedBarChart chart = stackedBarChart({{10, 6, 20}}, 20.0, 0, {96.0, 24.0, 16.0});
    ASSERT_EQ(chart.bars.size(), 1u);
    const std::vector<BarSegment>& segments = chart.bars[0].segments;
    ASSERT_EQ(segments.size(), 3u);
    EXPECT_DOUBLE_EQ(segments[1].left, stackedBarX(chart, 10.0));
    EXPECT_DOUBLE_EQ(segments[1].width, 0.0);
    EXPECT_DOUBLE_EQ(segments[2].left, stackedBarX(chart, 10.0));
    EXPECT_DOUBLE_EQ(segments[2].left + segments[2].width, chart.headX);
}

TEST(StackedBarChart, AChartWithoutBarsKeepsARowsRoom)
{
    const StackedBarChart chart = stackedBarChart({}, 0.0, 0, {96.0, 24.0, 16.0});
    EXPECT_TRUE(chart.bars.empty());
    EXPECT_DOUBLE_EQ(chart.area.height, 24.0);
    EXPECT_GT(chart.height, 0.0);
}

} // namespace
