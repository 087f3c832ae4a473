#include "catalogue/curve_generator.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <string>

namespace {

// Significant digits of a stored value, as SQLite would print it.
int significantDigits(double value)
{
    char text[64];
    std::snprintf(text, sizeof text, "%.15g", value);
    std::string digits;
    for (const char c : std::string(text))
        if (c >= '0' && c <= '9')
            digits += c;
    digits.erase(0, digits.find_first_not_of('0'));
    digits.erase(digits.find_last_not_of('0') + 1);
    return static_cast<int>(digits.size());
}

TEST(CurveGenerator, ShapeMatchesThePublishedQuadraticOpening)
{
    const CurveShape shape{2.0, 1.3, 0.0};
    EXPECT_NEAR(curveFraction(0.25, shape), 0.08, 0.005);
    EXPECT_NEAR(curveFraction(0.5, shape), 0.31, 0.005);
    EXPECT_NEAR(curveFraction(0.75, shape), 0.66, 0.005);
    EXPECT_DOUBLE_EQ(curveFraction(0.0, {2.0, 1.3, 0.05}), 0.0);
    EXPECT_DOUBLE_EQ(curveFraction(1.0, {2.0, 1.3, 0.05}), 1.0);
}

TEST(CurveGenerator, RoundsToFourSignificantDigits)
{
    EXPECT_DOUBLE_EQ(roundSignificant(0.123456, 4), 0.1235);
    EXPECT_DOUBLE_EQ(roundSignificant(98765.0, 4), 98770.0);
    EXPECT_DOUBLE_EQ(roundSignificant(0.00123449, 4), 0.001234);
    EXPECT_DOUBLE_EQ(roundSignificant(999.96, 4), 1000.0);
}

TEST(CurveGenerator, CurveHitsBothEndsAndRisesStrictly)
{
    const auto curve = presettingCurve(0.3, 1.9, 36, {2.0, 1.3, 0.05});
    ASSERT_TRUE(curve);
    ASSERT_EQ(curve->size(), 36u);
    EXPECT_EQ(curve->front(), 0.3);
    EXPECT_EQ(curve->back(), 1.9);
    for (std::size_t i = 1; i < curve->size(); ++i) {
        EXPECT_LT((*curve)[i - 1], (*curve)[i]) << "position " << i;
        EXPECT_LE(significantDigits((*curve)[i]), kCurveDigits) << (*curve)[i];
    }
}

TEST(CurveGenerator, ValueRoundedOntoItsPredecessorMovesUpOneDigit)
{
    // Nearly flat start: the first raw values round onto the one before.
    const auto curve = presettingCurve(1.0, 2.0, 40, {2.5, 1.0, 0.0001});
    ASSERT_TRUE(curve);
    const std::vector<double> start(curve->begin(), curve->begin() + 6);
    EXPECT_EQ(start, (std::vector<double>{1.0, 1.001, 1.002, 1.003, 1.004, 1.006}));
}

TEST(CurveGenerator, RangeTooNarrowForItsPositionsIsRefused)
{
    EXPECT_FALSE(presettingCurve(0.4999, 0.5, 36, {2.0, 1.3, 0.05}));
    EXPECT_FALSE(presetFlows(1.0, 1.004, 6));
}

TEST(CurveGenerator, PresetFlowsAreLinearFromMinimumToMaximum)
{
    const auto flows = presetFlows(0.008, 0.058, 21);
    ASSERT_TRUE(flows);
    for (std::size_t i = 0; i < flows->size(); ++i)
        EXPECT_NEAR((*flows)[i], 0.008 + 0.0025 * static_cast<double>(i), 1e-9);
}

TEST(CurveGenerator, MinimumPressureGrowsWithTheSquareOfTheFlow)
{
    const std::vector<double> flows = {0.5, 1.0, 2.0};
    const auto pressures = minimumPressures(flows, 2.0, 20.0, 40.0);
    EXPECT_EQ(pressures, (std::vector<double>{21.3, 25.0, 40.0}));
}

} // namespace
