#include "tests/sizing/sizing_fixture.h"

namespace {

// Presetting 1.0 + 0.1 per position; flows 2.0 and 3.0 l/s at positions 4
// and 5, 4.0 l/s at position 30 (beyond the 28 minimum pressures).
std::string flumen(const std::string& code, const char* model, const char* qMin, const char* qMax)
{
    return "INSERT INTO picv VALUES ('" + std::string(model) + "', " + qMin + ", " + qMax + ", '" + code +
           "', 400, 'DN 50', 1.0, 5.0, 0.1, 'mflumen_a');" +
           presetSql(code, model, {{4, 2.0}, {5, 3.0}, {30, 4.0}});
}

using PicvSelection = SizingTest;

TEST_F(PicvSelection, TakesTheLowerOfTwoEqualPresettingsAndItsMinimumPressure)
{
    startWith(flumen("AF-1", "Arvelo Flumen-A", "1.0", "5.0") +
              startupSql("AF-1", "Arvelo Flumen-A", {{4, 21.0}, {5, 23.0}}));
    calculate(8, "2,5", "");
    EXPECT_EQ(state.picvFound, 1);
    EXPECT_EQ(state.picvPresetting, 4 * 0.1f + 1.0f);
    EXPECT_EQ(state.picvFlowAtSetting, 2.0f);
    EXPECT_EQ(state.picvDpMin, 21.0f / 0.100000001f) << "kPa shown in mbar";
    EXPECT_EQ(shown().first, u"1,40");
    EXPECT_EQ(shown().second, u"2,00");
    EXPECT_EQ(shown().third, u"210,00") << "a pressure, no factor 100";
    EXPECT_EQ(shown().details, u"Mat. N.:\r\n\r\nAF-1\r\n\r\n\r\nNominal size:\r\n\r\nDN 50\r\n\r\n\r\n"
                               u"Flow range(l/s):\r\n\r\n1,00 - 5,00");
    EXPECT_EQ(shown().pictureId, 216);
}

struct MinimumPressureCase {
    const char* name;
    std::string startup;
    const char* flow;
    float expected; // kPa
};

TEST_F(PicvSelection, MinimumPressureOnlyFromOneRowAndTheFirst28Positions)
{
    const MinimumPressureCase cases[] = {
        {"one row", startupSql("AF-1", "Arvelo Flumen-A", {{5, 23.0}}), "3", 23.0f},
        {"no row", "", "3", 0.0f},
        {"two rows", startupSql("AF-1", "Arvelo Flumen-A", {{5, 23.0}}) +
                         startupSql("AF-1", "Arvelo Flumen-A", {{5, 24.0}}), "3", 0.0f},
        {"row of another model", startupSql("AF-1", "Arvelo Flumen-B", {{5, 23.0}}), "3", 0.0f},
        {"position 30", startupSql("AF-1", "Arvelo Flumen-A", {{5, 23.0}}), "4", 0.0f},
    };
    startWith(flumen("AF-1", "Arvelo Flumen-A", "1.0", "5.0"));
    for (const MinimumPressureCase& c : cases) {
        restart("DELETE FROM startup;" + c.startup);
        state.engine.pressureUnitIndex = 0; // kPa
        calculate(8, c.flow, "");
        EXPECT_EQ(state.picvFound, 1) << c.name;
        EXPECT_EQ(state.picvDpMin, c.expected) << c.name;
    }
}

TEST_F(PicvSelection, FlowRangeBoundsAreInclusiveAndThePreferredModelWins)
{
    startWith(flumen("AF-1", "Arvelo Flumen-B", "1.0", "2.0") + flumen("AF-2", "Arvelo Flumen-A", "2.0", "3.0") +
              flumen("AF-3", "Arvelo Flumen-A", "2.5", "4.0"));
    calculate(8, "2", "");
    ASSERT_EQ(state.picvRows.size(), 2u);
    EXPECT_EQ(state.picvChosen, 1u) << "Flumen-A is preferred over the first row";
    state.engine.modelNames[2] = {"Arvelo Flumen-B", "Arvelo Flumen-A"};
    calculate(8, "2", "");
    EXPECT_EQ(state.picvChosen, 0u);
}

TEST_F(PicvSelection, FlowAtThePresettingIsShownInTheChosenUnit)
{
    startWith(flumen("AF-1", "Arvelo Flumen-A", "1.0", "5.0"));
    state.engine.flowUnitIndex = 6; // m3/h
    calculate(8, "9", ""); // 2.5 l/s
    EXPECT_EQ(state.picvFlowAtSetting, 2.0f / 0.277777791f);
    EXPECT_EQ(shown().second, u"7,20");
    EXPECT_EQ(shown().details, u"Mat. N.:\r\n\r\nAF-1\r\n\r\n\r\nNominal size:\r\n\r\nDN 50\r\n\r\n\r\n"
                               u"Flow range(m3/h):\r\n\r\n3,60 - 18,00");
}

TEST_F(PicvSelection, ADensityOfZeroWithAMassUnitFindsNothing)
{
    startWith(flumen("AF-1", "Arvelo Flumen-A", "1.0", "5.0") + "UPDATE fluidi SET densita = 0;");
    state.engine.flowUnitIndex = 0; // kg/s
    calculate(8, "2,5", "");
    EXPECT_EQ(state.picvFound, 0);
    EXPECT_EQ(shown().status, u"No type series\u00A0/ nominal size available");
    state.engine.flowUnitIndex = 2; // a volume unit needs no density
    calculate(8, "2,5", "");
    EXPECT_EQ(state.picvFound, 1);
}

} // namespace
