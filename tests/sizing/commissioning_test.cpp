#include "tests/sizing/sizing_fixture.h"

#include "data/number_text.h"
#include "sizing/result_kind.h"
#include "tests/support/fixture_db.h"

namespace {

using Commissioning = SizingTest;

TEST_F(Commissioning, FixedOrificeFlowFromTheMeasuredPressure)
{
    startWith("INSERT INTO fobv VALUES ('Arvelo Quarz', 1, 8, 0, 8, 0.1, 'DN 32', 'AQ-B', 16, 'mquarz');"
              "INSERT INTO fobv VALUES ('Arvelo Quarz', 1, 8, 0, 8, 0.1, 'DN 25', 'AQ-A', 10, 'mquarz');");
    state.engine.pressureUnitIndex = 0; // kPa
    calculate(4, "", "25");
    EXPECT_EQ(state.fobvCommRows.size(), 2u) << "the list of all valves first";
    EXPECT_EQ(state.fobvCommFound, 0);
    EXPECT_EQ(shown().second, u"---");

    click(0); // AQ-A, kvs 10: 10 x 5 / 36
    EXPECT_EQ(state.fobvCommFound, 1);
    EXPECT_EQ(state.fobvMeasuredFlow, 50.0f / 36.0f);
    EXPECT_EQ(shown().second, u"1,39");
    EXPECT_EQ(shown().status, u"Type series");

    state.engine.flowUnitIndex = 6; // m3/h
    click(0);
    EXPECT_EQ(shown().second, u"5,00");

    calculate(4, "", "0");
    EXPECT_EQ(shown().second, u"0,00");
}

// AF-1's scale runs from 1,0 to 2,0 in steps of 0,1 (11 positions) and needs
// 20 kPa plus 1 kPa a step; AF-2 (from 1,0, no end given) has data at its
// first position only.
const std::string kFlumenValves =
    "INSERT INTO picv VALUES ('Arvelo Flumen-A', 0.1, 1.0, 'AF-1', 400, 'DN 20', 1.0, 2.0, 0.1, 'mflumen_a');"
    "INSERT INTO picv VALUES ('Arvelo Flumen-B', 0.1, 1.0, 'AF-2', 400, 'DN 20', 1.0, 0, 0.1, 'mflumen_b');" +
    startupSql("AF-1", "Arvelo Flumen-A",
               {{0, 20.0}, {1, 21.0}, {2, 22.0}, {3, 23.0}, {4, 24.0}, {5, 25.0}, {6, 26.0}, {7, 27.0}, {8, 28.0},
                {9, 29.0}, {10, 30.0}}) +
    startupSql("AF-1", "Arvelo Flumen-A", {{3, 99.0}, {5, 99.0}}) + // only the first row counts
    startupSql("AF-2", "Arvelo Flumen-B", {{0, 10.0}});

struct CheckCase {
    const char* name;
    std::int32_t row;
    const char* presetting;
    const char* measured; // kPa
    float result;
    std::u16string second;
    Rgb colour;
    std::u16string status = u"Type series";
};

const std::u16string kNoSeries = u"No type series\u00A0/ nominal size available";
const std::u16string kOffAfOne = u"Presetting outside the scale: 1,00 to 2,00";

TEST_F(Commissioning, PressureIndependentValveCheck)
{
    const CheckCase cases[] = {
        // 1,3 - 1,0 is 2.9999995 steps in single precision: position 3, 23 kPa.
        {"1,3 is position 3", 0, "1,3", "23,5", kPressureSufficient, u"OK", kTextBlack},
        {"1,5 is position 5", 0, "1,5", "24,5", kPressureInsufficient, u"dP insufficient", kTextRed},
        {"equal is not enough", 0, "1,5", "25", kPressureInsufficient, u"dP insufficient", kTextRed},
        // Halfway between positions 3 and 4: 23 + 0,5 x 1 = 23,5 kPa, where
        // the floored position 3 let 23,4 kPa pass.
        {"between positions, interpolated", 0, "1,35", "23,4", kPressureInsufficient, u"dP insufficient", kTextRed},
        {"between positions, enough", 0, "1,35", "23,6", kPressureSufficient, u"OK", kTextBlack},
        {"at the end of the scale", 0, "2", "30,5", kPressureSufficient, u"OK", kTextBlack},
        // The table's columns run on beyond the valve's last position, empty:
        // they read as 0 and passed any pressure.
        {"beyond the end of the scale", 0, "2,1", "100", 0.0f, u"---", kTextBlack, kOffAfOne},
        {"below the start of the scale", 0, "0,95", "100", 0.0f, u"---", kTextBlack, kOffAfOne},
        {"at the start of the scale", 1, "1", "10,5", kPressureSufficient, u"OK", kTextBlack},
        {"an empty column is no data", 1, "1,1", "100", 0.0f, u"---", kTextBlack, kNoSeries},
        // Without an end the scale ends with its table: 1,0 + 27 x 0,1.
        {"beyond the table, no end given", 1, "3,8", "100", 0.0f, u"---", kTextBlack,
         u"Presetting outside the scale: 1,00 to 3,70"},
    };
    startWith(kFlumenValves);
    state.engine.pressureUnitIndex = 0;
    calculate(9, "", "");
    ASSERT_EQ(shown().candidates.size(), 2u);
    for (const CheckCase& c : cases) {
        fields.flowInput = c.presetting;
        fields.dpInput = c.measured;
        click(c.row);
        const bool noData = c.result == 0.0f;
        EXPECT_EQ(state.picvCheckFound, 1) << c.name;
        EXPECT_EQ(state.picvCheckResult, c.result) << c.name;
        EXPECT_EQ(state.picvCheckNoData, noData ? 1 : 0) << c.name;
        EXPECT_EQ(state.picvCheckRow.has_value(), !noData) << c.name;
        EXPECT_EQ(shown().second, c.second) << c.name;
        EXPECT_EQ(shown().secondColour, c.colour) << c.name;
        EXPECT_EQ(shown().status, c.status) << c.name;
        EXPECT_EQ(shown().pictureId, noData ? -1 : (c.row == 0 ? 216 : 213)) << c.name;
        if (c.result == kPressureInsufficient) {
            EXPECT_EQ(shown().third, u"-") << c.name;
        }
        if (!noData) {
            EXPECT_EQ(state.pendingRow.portata, parseCommaDecimal(c.presetting)) << c.name << ": the presetting";
            EXPECT_EQ(state.pendingRow.kv, c.result == kPressureSufficient ? "OK" : "KO") << c.name;
        }
    }
}

TEST_F(Commissioning, TheClickedValveIsCheckedWithoutReloadingTheList)
{
    startWith(kFlumenValves);
    state.engine.pressureUnitIndex = 0;
    calculate(9, "1,3", "30");
    EXPECT_EQ(state.picvCheckFound, 0);
    fixture::execute(folder.path() / "DB" / "mvd.db", "DELETE FROM picv;");
    click(0);
    EXPECT_EQ(state.picvCheckResult, kPressureSufficient) << "the row in memory is checked";
    fields.flowInput = "1,5"; // position 5 needs 25 kPa
    fields.dpInput = "24";
    click(0);
    EXPECT_EQ(state.picvCheckResult, kPressureInsufficient) << "the changed presetting, the same valve";
    fields.candidateIndex = -1;
    calculate(9, "1,5", "30");
    EXPECT_TRUE(state.picvAllRows.empty()) << "without a click the list is queried again";
}

} // namespace
