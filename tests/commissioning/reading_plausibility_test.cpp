#include "commissioning/reading_plausibility.h"

#include <gtest/gtest.h>

namespace {

struct PlausibilityCase {
    const char* name;
    float dpKpa;
    float measuredFlow;
    const char* measuredUnit;
    bool dpAboveMaximum;
    bool flowAboveThreeTimesDesign;
};

TEST(ReadingPlausibility, AskedAboutADpBeyondTheValveAndAFlowOverThreeTimesTheDesign)
{
    // A DN 20 static valve: at most 250 kPa; design 0,5 l/s, so 1,5 l/s
    // (5,4 m3/h) is three times the design and still plausible.
    ValveFacts facts;
    facts.kind = MeasuredKind::FixedOrifice;
    facts.dpMaximumKpa = staticValveDpMaximumKpa("DN 20");
    ProjectRow design;
    design.portata = 0.5f;
    design.muQ = "l/s";
    const PlausibilityCase cases[] = {
        {"usual", 12.0f, 0.55f, "l/s", false, false},
        {"at the maximum", 250.0f, 0.55f, "l/s", false, false},
        {"above the maximum", 250.5f, 0.55f, "l/s", true, false},
        {"three times the design", 12.0f, 1.5f, "l/s", false, false},
        {"more than three times", 12.0f, 1.51f, "l/s", false, true},
        {"more than three times in m3/h", 12.0f, 5.5f, "m3/h", false, true},
        {"both", 300.0f, 2.0f, "l/s", true, true},
        {"a dP that is no number", NAN, 0.55f, "l/s", true, false},
    };
    for (const PlausibilityCase& c : cases) {
        MeasurementRow reading;
        reading.flow = c.measuredFlow;
        reading.muQ = c.measuredUnit;
        const ReadingPlausibility plausibility = readingPlausibility(design, reading, c.dpKpa, facts);
        EXPECT_EQ(plausibility.dpAboveMaximum, c.dpAboveMaximum) << c.name;
        EXPECT_EQ(plausibility.flowAboveThreeTimesDesign, c.flowAboveThreeTimesDesign) << c.name;
        EXPECT_EQ(plausibility.implausible(), c.dpAboveMaximum || c.flowAboveThreeTimesDesign) << c.name;
    }
}

TEST(ReadingPlausibility, WhatIsNotKnownIsNotHeldAgainstTheReading)
{
    ProjectRow design; // no design flow
    design.muQ = "l/s";
    MeasurementRow reading;
    reading.flow = 9.0f;
    reading.muQ = "l/s";
    EXPECT_FALSE(readingPlausibility(design, reading, 1000.0f, ValveFacts{}).implausible());
}

TEST(ReadingPlausibility, StaticValvesCarry250KpaThreadedAnd350Flanged)
{
    const std::pair<const char*, float> sizes[] = {
        {"DN 10", 250.0f}, {"DN 50", 250.0f}, {"DN 65", 350.0f}, {"DN 300", 350.0f}, {"", 250.0f}};
    for (const auto& [size, maximum] : sizes)
        EXPECT_EQ(staticValveDpMaximumKpa(size), maximum) << size;
}

} // namespace
