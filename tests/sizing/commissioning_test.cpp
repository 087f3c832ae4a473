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

const std::string kFlumenValves =
    "INSERT INTO picv VALUES ('Arvelo Flumen-A', 0.1, 1.0, 'AF-1', 400, 'DN 20', 0, 5, 0.1, 'mflumen_a');"
    "INSERT INTO picv VALUES ('Arvelo Flumen-B', 0.1, 1.0, 'AF-2', 400, 'DN 20', 1.0, 5, 0.1, 'mflumen_b');" +
    startupSql("AF-1", "Arvelo Flumen-A", {{12, 20.0}, {15, 25.0}}) +
    startupSql("AF-1", "Arvelo Flumen-A", {{12, 99.0}, {15, 99.0}}) + // only the first row counts
    startupSql("AF-2", "Arvelo Flumen-B", {{0, 10.0}});

struct CheckCase {
    const char* name;
    std::int32_t row;
    const char* presetting;
    const char* measured; // kPa
    float result;
    std::u16string second;
    Rgb colour;
};

TEST_F(Commissioning, PressureIndependentValveCheck)
{
    const CheckCase cases[] = {
        // 1,3 / 0,1 is 12.999999 in single precision: position 12.
        {"1,3 is position 12", 0, "1,3", "20,5", kPressureSufficient, u"OK", kTextBlack},
        {"1,5 is position 15", 0, "1,5", "20,5", kPressureInsufficient, u"dP insufficient", kTextRed},
        {"equal is not enough", 0, "1,25", "20", kPressureInsufficient, u"dP insufficient", kTextRed},
        {"beyond position 27", 0, "2,8", "100", 0.0f, u"---", kTextBlack},
        {"less than a step below the scale", 1, "0,95", "100", 0.0f, u"---", kTextBlack},
        {"at the start of the scale", 1, "1", "10,5", kPressureSufficient, u"OK", kTextBlack},
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
    fields.flowInput = "1,5"; // position 15 needs 25 kPa
    fields.dpInput = "24";
    click(0);
    EXPECT_EQ(state.picvCheckResult, kPressureInsufficient) << "the changed presetting, the same valve";
    fields.candidateIndex = -1;
    calculate(9, "1,5", "30");
    EXPECT_TRUE(state.picvAllRows.empty()) << "without a click the list is queried again";
}

} // namespace
