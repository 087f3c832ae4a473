// The system's chart and its texts: bars of plant, main, branch and foot
// device ending at the pump head, the duty point, the index branch.

#include "system/system_chart.h"
#include "system/system_chart_svg.h"
#include "system/system_result_texts.h"

#include "tests/system/system_fixture.h"

#include <gtest/gtest.h>

namespace {

// The worked example's outcome (kPa): plant 10, head 56,2846618 with B as
// the index branch; per branch (M, A, foot drop): A (4, 42.2846618, 0)
// nothing at its foot, B (7, 39.2846618, 8.3246618) a controller,
// C (9, 37.2846618, 20.9446618) a fixed-orifice valve.
SystemResult workedExample()
{
    SystemResult result;
    result.plantLoss = 10.0f;
    result.pumpHead = 56.2846618f;
    result.totalFlow = 1.9f;
    result.indexBranch = 1;
    const struct {
        float main, available, drop;
        FootDevice device;
    } branches[] = {{4, 42.2846618f, 0, FootDevice::None},
                    {7, 39.2846618f, 8.3246618f, FootDevice::Controller},
                    {9, 37.2846618f, 20.9446618f, FootDevice::FixedOrificeValve}};
    for (const auto& b : branches) {
        SystemBranchResult branch;
        branch.mainUpTo = b.main;
        branch.available = b.available;
        branch.foot.drop = b.drop;
        branch.foot.device = b.device;
        result.branches.push_back(branch);
    }
    return result;
}

// The layout itself is the stacked bar chart's; here, which pressures the
// segments take from the results: plant 10, the take-off at 10 + M, the
// branch's head up to the foot device's drop below the pump head.
TEST(SystemChart, ABranchsBarIsThePlantTheMainItsHeadAndItsFootDeviceUpToThePumpHead)
{
    const StackedBarChart chart = systemChart(workedExample());
    const double ends[3][4] = {{10, 14, 56.2846618, 56.2846618},
                               {10, 17, 47.96, 56.2846618},
                               {10, 19, 35.34, 56.2846618}};
    ASSERT_EQ(chart.bars.size(), 3u);
    for (std::size_t j = 0; j < 3; ++j) {
        SCOPED_TRACE(j);
        const std::vector<BarSegment>& segments = chart.bars[j].segments;
        ASSERT_EQ(segments.size(), 4u);
        for (std::size_t part = 0; part < 4; ++part)
            EXPECT_NEAR(segments[part].left + segments[part].width, stackedBarX(chart, ends[j][part]), 1e-3) << part;
        EXPECT_EQ(chart.bars[j].index, j == 1);
    }
    EXPECT_NEAR(chart.headX, stackedBarX(chart, 56.2846618), 1e-4);
}

using SystemTexts = SystemTest;

// The picture and the table in German: names escaped, the duty point and
// the index branch shown, each branch's foot device and setting.
TEST_F(SystemTexts, ShowTheDutyPointTheIndexBranchAndTheFootDevices)
{
    HydronicSystem system;
    system.settings.plantLoss = 10;
    system.branches = {branchOf({circuit("A1", 0.3f, 8, 1, BranchValveKind::VariableOrifice)}, 4, FootDevice::None),
                       branchOf({circuit("B1", 0.4f, 15, 3, BranchValveKind::VariableOrifice)}, 3,
                                FootDevice::Controller)};
    system.branches[0].branch.settings.name = "Nord <A&B>";
    system.branches[1].branch.settings.name = "Süd";
    state.languageIndex = 3;
    const SystemResult result = balanceSystem(state, db, system);
    ASSERT_TRUE(result.complete);

    const std::string svg = systemChartSvg(state, system, result);
    for (const char* part : {"id=\"bar-1-plant\"", "id=\"bar-2-foot\"", "id=\"index-branch\"", "id=\"pump-head\"",
                             "id=\"duty-point\"", "Nord &lt;A&amp;B&gt;", "Förderhöhe Pumpe (kPa)"})
        EXPECT_NE(svg.find(part), std::string::npos) << part;

    const SystemResultTexts texts = systemResultTexts(state, system, result);
    ASSERT_EQ(texts.rows.size(), 2u);
    const auto cell = [&texts](std::size_t row, const std::string& key) {
        const auto at = std::find(texts.keys.begin(), texts.keys.end(), key);
        return texts.rows[row][static_cast<std::size_t>(at - texts.keys.begin())];
    };
    EXPECT_EQ(cell(0, "foot_device"), u"Keine");
    EXPECT_EQ(cell(1, "foot_device"), u"Arvelo Statra");
    // B needs 3 + 15 + (36 x 0.4 / 4)^2 = 30.96 kPa: the 20 to 40 kPa controller.
    EXPECT_EQ(cell(1, "material_number"), u"AS-040-03");
    EXPECT_EQ(cell(1, "setpoint"), u"30,96");
    EXPECT_EQ(texts.indexCaption, u"Ungünstigster Strang");
    EXPECT_EQ(texts.indexValue, u"2 Süd");
    EXPECT_TRUE(texts.incomplete.empty());
}

} // namespace
