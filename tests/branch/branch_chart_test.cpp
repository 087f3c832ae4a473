#include "branch/branch_chart.h"
#include "branch/branch_chart_svg.h"

#include "data/units.h"

#include <gtest/gtest.h>

namespace {

// The worked example's outcome (kPa): S 4, 7, 9, 14; c 10, 8, 5, 12;
// H 35 with the third circuit as the index.
BranchResult workedExample()
{
    BranchResult result;
    const float riser[] = {4, 7, 9, 14};
    const float circuit[] = {10, 8, 5, 12};
    for (int i = 0; i < 4; ++i) {
        CircuitResult c;
        c.riserUpTo = riser[i];
        c.circuitLoss = circuit[i];
        c.valveDp = 35.0f - riser[i] - circuit[i];
        result.circuits.push_back(c);
    }
    result.pumpHead = 35.0f;
    result.indexCircuit = 2;
    return result;
}

// The layout itself is the stacked bar chart's; here, which pressures the
// segments take from the results.
TEST(BranchChart, ACircuitsBarIsItsRiserLossItsOwnLossAndItsValveUpToThePumpHead)
{
    const StackedBarChart chart = branchChart(workedExample());
    const double riser[] = {4, 7, 9, 14};
    const double circuit[] = {10, 8, 5, 12};
    ASSERT_EQ(chart.bars.size(), 4u);
    for (std::size_t i = 0; i < 4; ++i) {
        SCOPED_TRACE(i);
        const std::vector<BarSegment>& segments = chart.bars[i].segments;
        ASSERT_EQ(segments.size(), 3u);
        const double ends[] = {riser[i], riser[i] + circuit[i], 35.0};
        for (std::size_t s = 0; s < 3; ++s)
            EXPECT_NEAR(segments[s].left + segments[s].width, stackedBarX(chart, ends[s]), 1e-9) << s;
        EXPECT_EQ(chart.bars[i].index, i == 2);
    }
    EXPECT_DOUBLE_EQ(chart.headX, stackedBarX(chart, 35.0));
}

// The index circuit W-4OG-a takes 11,29 kPa in its valves: 8,29 in its
// control valve and 3,00 in its balancing valve. Its bar drew all of it as
// the balancing valve's; each is a segment of its own.
TEST(BranchChart, AControlValvesDropIsASegmentOfItsOwn)
{
    BranchResult result = workedExample();
    result.circuits[2].controlValveDp = 8.29f;
    result.circuits[2].valveDp = 3.0f;
    result.pumpHead = 9.0f + 5.0f + 8.29f + 3.0f; // 25,29
    const StackedBarChart chart = branchChart(result);
    const std::vector<BarSegment>& segments = chart.bars[2].segments;
    ASSERT_EQ(segments.size(), 4u);
    const double ends[] = {9.0, 14.0, 22.29, 25.29};
    for (std::size_t s = 0; s < 4; ++s)
        EXPECT_NEAR(segments[s].left + segments[s].width, stackedBarX(chart, ends[s]), 1e-3) << s;
    EXPECT_NEAR(segments[3].width, stackedBarX(chart, 25.29) - stackedBarX(chart, 22.29), 1e-3) << "3,00 kPa";

    AppState state;
    state.engine.pressureUnits = pressureUnitTable();
    state.engine.pressureUnitIndex = 0;
    state.languageIndex = 1; // English
    Branch branch;
    for (const char* designation : {"R1", "R2", "W-4OG-a", "R4"})
        branch.circuits.push_back({designation, 0.5f, 1.0f, 1.0f, BranchValveKind::FixedOrifice, std::nullopt,
                                   std::nullopt, std::nullopt});
    const std::string svg = branchChartSvg(state, branch, result);
    EXPECT_NE(svg.find("id=\"bar-3-control-valve\""), std::string::npos);
    EXPECT_NE(svg.find("dP control valve (kPa)"), std::string::npos);
    EXPECT_EQ(branchChartSvg(state, branch, workedExample()).find("control-valve"), std::string::npos)
        << "no control valves, no such segment";
}

TEST(BranchChartSvg, NamesTheBarsMarksTheIndexAndEscapesAndShortensDesignations)
{
    AppState state;
    state.engine.pressureUnits = pressureUnitTable();
    state.engine.pressureUnitIndex = 0;
    state.languageIndex = 3; // German
    Branch branch;
    branch.settings.name = "Strang <Nord>";
    for (const char* designation : {"R1", "R2", "A&B", "Heizkreis Wohnung 4 Obergeschoss links"})
        branch.circuits.push_back({designation, 0.5f, 1.0f, 1.0f, BranchValveKind::FixedOrifice, std::nullopt,
                                   std::nullopt, std::nullopt});
    const std::string svg = branchChartSvg(state, branch, workedExample());
    for (const char* id : {"bar-1-riser", "bar-1-circuit", "bar-1-valve", "bar-4-valve", "index-circuit", "pump-head"})
        EXPECT_NE(svg.find(std::string("id=\"") + id + "\""), std::string::npos) << id;
    EXPECT_EQ(svg.find("bar-5-"), std::string::npos);
    EXPECT_NE(svg.find("Strang – Strang &lt;Nord&gt;"), std::string::npos);
    EXPECT_NE(svg.find(">3 A&amp;B</text>"), std::string::npos);
    EXPECT_NE(svg.find(">4 Heizkreis Wohnung \u2026</text>"), std::string::npos) << "kept left of the bars";
    EXPECT_NE(svg.find("Förderhöhe Pumpe (kPa) 35,00"), std::string::npos);
    EXPECT_NE(svg.find("Kreisverlust (kPa)"), std::string::npos);
    const std::size_t index = svg.find("id=\"index-circuit\"");
    EXPECT_EQ(svg.find("id=\"index-circuit\"", index + 1), std::string::npos) << "one index circuit";
}

} // namespace
