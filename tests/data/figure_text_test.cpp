#include "data/figure_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace {

struct FigureCase {
    float flow;
    const char* text;
};

class FigureText : public testing::TestWithParam<FigureCase> {};

TEST_P(FigureText, ShowsThreeSignificantDigitsAndAtLeastTwoDecimals)
{
    EXPECT_EQ(formatFigure(GetParam().flow), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Values, FigureText,
    testing::Values(
        // Small flows gain decimals until three digits show.
        FigureCase{0.03f, "0,0300"}, FigureCase{0.024f, "0,0240"}, FigureCase{0.5f, "0,500"},
        FigureCase{0.001234f, "0,00123"}, FigureCase{-0.024f, "-0,0240"},
        // From 1 up the unit's two decimals already show three digits or more.
        FigureCase{1.0f, "1,00"}, FigureCase{12.345f, "12,35"}, FigureCase{1234.5f, "1234,50"},
        FigureCase{86.4f, "86,40"},
        // Rounding decides on the printed text: "0,100" says as much as
        // "0,1000", and "1,00" as "1,000".
        FigureCase{0.09996f, "0,100"}, FigureCase{0.99996f, "1,00"},
        // Nothing to count digits of: the unit's two decimals, no sign.
        FigureCase{0.0f, "0,00"}, FigureCase{-0.0f, "0,00"},
        // The smallest float still shows three digits.
        FigureCase{std::numeric_limits<float>::denorm_min(), "0,00000000000000000000000000000000000000000000140"},
        FigureCase{std::numeric_limits<float>::infinity(), "---"},
        FigureCase{std::numeric_limits<float>::quiet_NaN(), "---"}));

TEST(FigureText, APrintedDeviationFollowsFromThePrintedFlows)
{
    // Design 0,03 l/s measured at 0,024057 l/s deviates by -19,81 %. With two
    // decimals the reader saw 0,02 and computed -33 %; now the flows read
    // 0,0300 and 0,0241: (0,0241 - 0,0300) / 0,0300 = -19,67 %.
    EXPECT_EQ(formatFigure(0.03f), "0,0300");
    EXPECT_EQ(formatFigure(0.024057f), "0,0241");
    const double design = figureValue(0.03f);
    const double measured = figureValue(0.024057f);
    EXPECT_DOUBLE_EQ(design, 0.03);
    EXPECT_DOUBLE_EQ(measured, 0.0241);
    EXPECT_NEAR((measured - design) / design * 100.0, -19.67, 0.005);
    EXPECT_TRUE(std::isnan(figureValue(std::numeric_limits<float>::infinity())));
}

TEST(FigureText, NoPrintedFlowStraysMoreThanHalfAPercentFromItsValue)
{
    // Over six decades, as small as a radiator valve in m3/h and as large as
    // a main in l/h, the printed value stays within 0,5 % of the flow: so a
    // deviation recomputed from two printed flows is off by at most about one
    // percentage point, against a tolerance of ten.
    for (double flow = 0.001; flow < 10000.0; flow *= 1.0137) {
        const float value = static_cast<float>(flow);
        const double printed = figureValue(value);
        ASSERT_LE(std::fabs(printed - value) / value, 0.005) << formatFigure(value);
    }
}

} // namespace

namespace {

// What JSON carries: the value to six significant digits, never the text's
// rounding (0,0119 l/s printed, 0.0119048 read).
TEST(SixDigitValue, RoundsToSixSignificantDigits)
{
    EXPECT_DOUBLE_EQ(sixDigitValue(0.0119047621f), 0.0119048);
    EXPECT_DOUBLE_EQ(sixDigitValue(56.2846618f), 56.2847);
    EXPECT_DOUBLE_EQ(sixDigitValue(1234567.0f), 1234570.0);
    EXPECT_DOUBLE_EQ(sixDigitValue(-0.5f), -0.5);
    EXPECT_DOUBLE_EQ(sixDigitValue(0.0f), 0.0);
}

} // namespace
