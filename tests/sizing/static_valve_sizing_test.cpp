#include "tests/sizing/sizing_fixture.h"

#include "tests/support/fixture_db.h"

namespace {

// kvs 10 lies inside the orifice window 7.35 to 18 of Q 0,5 l/s at 100 mbar.
const std::string kQuarzDn25 =
    "INSERT INTO fobv VALUES ('Arvelo Quarz', 1.0, 8.0, 0, 8, 0.1, 'DN 25', 'AQ-025', 10.0, 'mquarz');" +
    presetSql("AQ-025", "Arvelo Quarz", {{36, 5.5}, {37, 5.7}, {38, 5.9}});

using StaticValveSizing = SizingTest;

TEST_F(StaticValveSizing, FixedOrificeWorkedExample)
{
    startWith(kQuarzDn25);
    calculate(3, "0,5", "100");
    EXPECT_EQ(state.fobvFound, 1);
    EXPECT_EQ(state.fobvPresetting, 3.7f);
    EXPECT_EQ(state.fobvKvAtSetting, 5.7f);
    EXPECT_EQ(state.fobvOpening, 3.7f / 8.0f);
    EXPECT_EQ(shown().status, u"Type series");
    EXPECT_EQ(shown().first, u"3,70");
    EXPECT_EQ(shown().second, u"5,70");
    EXPECT_EQ(shown().third, u"46,25");
    EXPECT_EQ(shown().details, u"Material number:\r\n\r\nAQ-025\r\n\r\n\r\nNominal size:\r\n\r\nDN 25");
    EXPECT_EQ(shown().pictureId, 217);
    EXPECT_TRUE(sqlErrors().empty()) << sqlErrors();
}

TEST_F(StaticValveSizing, TheOrificeMustReadBetweenTheBounds)
{
    // Q 0,5 l/s: K 18, so kvs from 18/sqrt(6) = 7.348469 to 18/sqrt(1) = 18.
    startWith("INSERT INTO fobv VALUES ('Arvelo Quarz', 1, 8, 0, 8, 0.1, 'DN 20', 'AQ-A', 7.3484, 'mquarz');"
              "INSERT INTO fobv VALUES ('Arvelo Quarz', 1, 8, 0, 8, 0.1, 'DN 25', 'AQ-B', 7.3485, 'mquarz');"
              "INSERT INTO fobv VALUES ('Arvelo Quarz', 1, 8, 0, 8, 0.1, 'DN 32', 'AQ-C', 18.0, 'mquarz');"
              "INSERT INTO fobv VALUES ('Arvelo Quarz', 1, 8, 0, 8, 0.1, 'DN 40', 'AQ-D', 18.01, 'mquarz');");
    calculate(3, "0,5", "100");
    ASSERT_EQ(state.fobvRows.size(), 2u);
    EXPECT_EQ(state.fobvRows[0].technicalCode, "AQ-B");
    EXPECT_EQ(state.fobvRows[1].technicalCode, "AQ-C");

    state.engine.dpMin = 4.0f; // the upper bound falls to 9: only the small orifice stays
    calculate(3, "0,5", "100");
    ASSERT_EQ(state.fobvRows.size(), 1u);
    EXPECT_EQ(state.fobvRows[0].technicalCode, "AQ-B");
}

TEST_F(StaticValveSizing, WithoutPresetCurveTheValveStaysFoundWithTheLastNumbers)
{
    startWith(kQuarzDn25 +
              "INSERT INTO fobv VALUES ('Arvelo Quarz', 1.0, 8.0, 0, 8, 0.1, 'DN 25', 'AQ-026', 10.0, 'mquarz');");
    calculate(3, "0,5", "100"); // AQ-025, with its curve
    click(1);                   // AQ-026 has none
    EXPECT_EQ(state.fobvFound, 1);
    EXPECT_EQ(state.fobvChosen, 1u);
    EXPECT_EQ(shown().first, u"3,70");
    EXPECT_EQ(shown().details, u"Material number:\r\n\r\nAQ-026\r\n\r\n\r\nNominal size:\r\n\r\nDN 25");
}

TEST_F(StaticValveSizing, NothingFoundShowsTheNoResultState)
{
    startWith(kQuarzDn25);
    calculate(3, "0,5", "100");
    calculate(3, "0,5", "0"); // Kv infinite: no kv_max reaches it
    EXPECT_EQ(state.fobvFound, 0);
    EXPECT_TRUE(state.fobvRows.empty());
    EXPECT_EQ(shown().status, u"No type series\u00A0/ nominal size available");
    EXPECT_EQ(shown().statusColour, kTextRed);
    EXPECT_EQ(shown().first, u"---");
    EXPECT_EQ(shown().second, u"---");
    EXPECT_EQ(shown().third, u"---");
    EXPECT_EQ(shown().details, u"Material number:\r\n\r\n\r\n\r\n\r\nNominal size:\r\n\r\n");
    EXPECT_EQ(shown().pictureId, -1);
    EXPECT_TRUE(shown().candidates.empty());
    EXPECT_EQ(state.fobvPresetting, 3.7f) << "the numbers of the last sizing stay";
}

struct UnitCase {
    const char* name;
    std::uint8_t flowUnit;
    const char* flow;
};

// Water of 1000 kg/m3: 1 kg/s is 1 l/s, 3600 Kg/h are 3600 l/h.
TEST_F(StaticValveSizing, MassFlowOfAThousandKilogramsPerCubicMetreSizesLikeVolume)
{
    startWith(kQuarzDn25 + "UPDATE fluidi SET densita = 1000 WHERE numero = 1;");
    const UnitCase cases[] = {{"kg/s", 0, "0,5"}, {"l/s", 2, "0,5"}, {"Kg/h", 1, "1800"}, {"l/h", 4, "1800"}};
    for (const UnitCase& c : cases) {
        state.engine.flowUnitIndex = c.flowUnit;
        calculate(3, c.flow, "100");
        EXPECT_EQ(state.fobvFound, 1) << c.name;
        EXPECT_EQ(shown().first, u"3,70") << c.name;
    }
}

struct UnusableFluidCase {
    const char* name;
    const char* statements;
    std::uint8_t flowUnit;
};

// Without a fluid to convert with, nothing is found instead of a division
// by zero, for sizing and for the flow reading.
TEST_F(StaticValveSizing, AnUnusableFluidFindsNothing)
{
    const UnusableFluidCase cases[] = {
        {"no fluid rows", "DELETE FROM fluidi;", 2},
        {"density 0 with kg/s", "UPDATE fluidi SET densita = 0;", 0},
        {"relative density 0", "UPDATE fluidi SET densita_relativa = 0;", 2},
    };
    startWith(kQuarzDn25);
    for (const UnusableFluidCase& c : cases) {
        restart("DELETE FROM fluidi;" + fixture::sixFluids() + c.statements);
        state.engine.flowUnitIndex = c.flowUnit;
        calculate(3, "0,5", "100");
        EXPECT_EQ(state.fobvFound, 0) << c.name;
        EXPECT_EQ(shown().first, u"---") << c.name;

        calculate(4, "", "250"); // lists the valves, then the click computes
        click(0);
        EXPECT_EQ(state.fobvCommFound, 0) << c.name;
        EXPECT_EQ(shown().second, u"---") << c.name;
    }
}

TEST_F(StaticValveSizing, VariableOrificeMustCoverTheFlowWithItsRange)
{
    // Q 0,5 l/s at 100 mbar needs Kv 5.69; both valves reach it, only the
    // second covers 0,5 l/s.
    startWith("INSERT INTO vobv VALUES ('AV-1', 'Arvelo', 0.5, 6.0, 0.5, 4.0, 0.1, 'DN 20', 'arvelo', 0.02, 0.45);"
              "INSERT INTO vobv VALUES ('AV-2', 'Arvelo Nodo', 0.5, 9.0, 0.5, 4.0, 0.1, 'DN 25', 'arvelo_nodo',"
              " 0.03, 0.76);" +
              presetSql("AV-2", "Arvelo Nodo", {{29, 5.5}, {30, 5.68}, {31, 5.9}}));
    calculate(5, "0,5", "100");
    ASSERT_EQ(state.vobvRows.size(), 1u);
    EXPECT_EQ(state.vobvChosen, 0u);
    EXPECT_EQ(state.vobvPresetting, 30 * 0.1f + 0.5f);
    EXPECT_EQ(shown().first, u"3,50");
    EXPECT_EQ(shown().second, u"5,68");
    EXPECT_EQ(shown().third, u"87,50");
    EXPECT_EQ(shown().pictureId, 206);
    state.engine.dpMin = 50.0f; // the bounds belong to the fixed orifice only
    calculate(5, "0,5", "100");
    EXPECT_EQ(state.vobvFound, 1);
}

struct PressureUnitCase {
    const char* name;
    std::uint8_t pressureUnit;
    const char* dp;
};

// One metre of water entered as such or as the equal number of mbar or kPa:
// both static valve families choose the same valve at the same presetting.
TEST_F(StaticValveSizing, AWaterColumnSizesLikeTheEqualPressureInMbar)
{
    startWith(kQuarzDn25 +
              "INSERT INTO vobv VALUES ('AV-2', 'Arvelo Nodo', 0.5, 9.0, 0.5, 4.0, 0.1, 'DN 25', 'arvelo_nodo',"
              " 0.03, 0.76);" +
              presetSql("AV-2", "Arvelo Nodo", {{29, 5.5}, {30, 5.68}, {31, 5.9}}));
    const PressureUnitCase cases[] = {{"mH2O", 3, "1"}, {"mbar", 8, "98,0665"}, {"kPa", 0, "9,80665"}};
    for (const PressureUnitCase& c : cases) {
        state.engine.pressureUnitIndex = c.pressureUnit;
        calculate(3, "0,5", c.dp);
        EXPECT_EQ(state.fobvChosen, 0u) << c.name;
        EXPECT_EQ(shown().first, u"3,70") << c.name;
        calculate(5, "0,5", c.dp);
        EXPECT_EQ(state.vobvChosen, 0u) << c.name;
        EXPECT_EQ(shown().first, u"3,50") << c.name;
        EXPECT_EQ(shown().second, u"5,68") << c.name;
    }
}

} // namespace
