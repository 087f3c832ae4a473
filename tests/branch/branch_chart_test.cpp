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

TEST(BranchChart, EveryBarIsRiserThenCircuitThenValveEndingAtThePumpHead)
{
    const BranchChart chart = branchChart(workedExample());
    // The axis runs 0 to 35 in steps of 5: the head lies at the plot's right end.
    EXPECT_EQ(chart.axis.low, 0.0);
    EXPECT_EQ(chart.axis.high, 35.0);
    EXPECT_DOUBLE_EQ(chart.headX, chart.area.left + chart.area.width);
    const double perKpa = chart.area.width / 35.0;
    const double circuit[] = {10, 8, 5, 12};
    const double riser[] = {4, 7, 9, 14};
    ASSERT_EQ(chart.bars.size(), 4u);
    for (std::size_t i = 0; i < 4; ++i) {
        SCOPED_TRACE(i);
        const ChartBar& bar = chart.bars[i];
        EXPECT_DOUBLE_EQ(bar.riser.left, chart.area.left);
        EXPECT_NEAR(bar.riser.width, riser[i] * perKpa, 1e-9);
        EXPECT_NEAR(bar.circuit.left, bar.riser.left + bar.riser.width, 1e-9);
        EXPECT_NEAR(bar.circuit.width, circuit[i] * perKpa, 1e-9);
        EXPECT_NEAR(bar.valve.left, bar.circuit.left + bar.circuit.width, 1e-9);
        EXPECT_NEAR(bar.valve.left + bar.valve.width, chart.headX, 1e-9);
        EXPECT_EQ(bar.index, i == 2);
        if (i > 0) {
            EXPECT_GT(bar.top, chart.bars[i - 1].top + chart.bars[i - 1].height);
        }
        EXPECT_LE(bar.top + bar.height, chart.area.top + chart.area.height);
    }
    EXPECT_GE(chart.height, chart.area.top + chart.area.height);
}

TEST(BranchChart, AnEmptyBranchHasNoBars)
{
    const BranchChart chart = branchChart(BranchResult{});
    EXPECT_TRUE(chart.bars.empty());
    EXPECT_GT(chart.height, 0.0);
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
