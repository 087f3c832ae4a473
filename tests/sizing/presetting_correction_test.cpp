#include "sizing/presetting_correction.h"

#include "catalogue/catalogue_builder.h"
#include "sizing/valve_families.h"
#include "tests/sizing/sizing_fixture.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

namespace {

constexpr float kStart = 0.5f;
constexpr float kStep = 0.1f;

// A scale from 0,5 to 4,0 in steps of 0,1 (36 marks) whose Kv rises by 0,2
// a step: Kv = 2 x (presetting - 0,4), 0,2 at 0,5 and 7,2 at 4,0. The rest of
// the catalogue row is padding.
PresetRow straightCurve()
{
    PresetRow curve;
    for (int i = 0; i < 36; ++i)
        curve.values[i] = 0.2f * static_cast<float>(i + 1);
    return curve;
}

TEST(PresettingCorrection, WorkedExample)
{
    // Found at 3,70: Kv 2 x 3,3 = 6,6. Design 0,5 l/s, measured 0,62 l/s:
    // Kv needed = 6,6 x 0,5 / 0,62 = 5,3226. The nearest marks are 5,2
    // (3,00, off by 0,1226) and 5,4 (3,10, off by 0,0774): set 3,10.
    // The valve takes dp = (36 x 0,62 / 6,6)^2 = 3,3818^2 = 11,44 kPa, so at
    // Kv 5,4 it passes 5,4 x 3,3818 / 36 = 0,5073 l/s, 1,5 % over design.
    const PresettingCorrection correction = correctPresetting(straightCurve(), kStart, kStep, 3.7f, 0.5f, 0.62f);
    EXPECT_EQ(correction.outcome, CorrectionOutcome::Corrected);
    EXPECT_FLOAT_EQ(correction.kvFound, 6.6f);
    EXPECT_NEAR(correction.kvNeeded, 5.3226f, 0.0001f);
    EXPECT_FLOAT_EQ(correction.presetting, 3.1f);
    EXPECT_FLOAT_EQ(correction.kvAtPresetting, 5.4f);
    EXPECT_NEAR(correction.kvAtPresetting * (36.0f * 0.62f / 6.6f) / 36.0f, 0.5073f, 0.0001f);
}

TEST(PresettingCorrection, APresettingBetweenMarksReadsTheCurveStraightBetweenThem)
{
    // 3,75 lies halfway from 3,70 (Kv 6,6) to 3,80 (Kv 6,8): Kv 6,7. Design
    // 0,5, measured 0,6: Kv needed 6,7 x 0,5 / 0,6 = 5,5833, nearest 5,6 at 3,20.
    const PresettingCorrection correction = correctPresetting(straightCurve(), kStart, kStep, 3.75f, 0.5f, 0.6f);
    EXPECT_EQ(correction.outcome, CorrectionOutcome::Corrected);
    EXPECT_NEAR(correction.kvFound, 6.7f, 0.00001f);
    EXPECT_NEAR(correction.kvNeeded, 5.5833f, 0.0001f);
    EXPECT_FLOAT_EQ(correction.presetting, 3.2f);
    EXPECT_FLOAT_EQ(correction.kvAtPresetting, 5.6f);
}

struct OutcomeCase {
    const char* name;
    float presettingFound;
    float designFlow;
    float measuredFlow;
    CorrectionOutcome outcome;
    float kvNeeded; // NaN: unknown
    float presetting;
};

class CorrectionOutcomes : public testing::TestWithParam<OutcomeCase> {};

TEST_P(CorrectionOutcomes, SaysWhereTheCurveCannotHelp)
{
    const OutcomeCase& c = GetParam();
    const PresettingCorrection correction =
        correctPresetting(straightCurve(), kStart, kStep, c.presettingFound, c.designFlow, c.measuredFlow);
    EXPECT_EQ(correction.outcome, c.outcome);
    if (std::isnan(c.kvNeeded))
        EXPECT_TRUE(std::isnan(correction.kvNeeded)) << correction.kvNeeded;
    else
        EXPECT_FLOAT_EQ(correction.kvNeeded, c.kvNeeded);
    if (std::isnan(c.presetting))
        EXPECT_TRUE(std::isnan(correction.presetting)) << correction.presetting;
    else
        EXPECT_FLOAT_EQ(correction.presetting, c.presetting);
}

constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();
constexpr float kInfinity = std::numeric_limits<float>::infinity();

INSTANTIATE_TEST_SUITE_P(
    Cases, CorrectionOutcomes,
    testing::Values(
        // Found at 0,50 (Kv 0,2) passing twice the design: 0,1 is below 0,2.
        OutcomeCase{"BelowTheSmallestKv", 0.5f, 0.1f, 0.2f, CorrectionOutcome::SmallerValveNeeded, 0.1f, kNaN},
        // Found at 4,00 (Kv 7,2) passing half the design: 14,4 is above 7,2.
        OutcomeCase{"AboveTheLargestKv", 4.0f, 1.0f, 0.5f, CorrectionOutcome::BiggerValveNeeded, 14.4f, kNaN},
        // Found at 0,90 (Kv 1,0) passing five times the design: 0,2, the smallest.
        OutcomeCase{"AtTheSmallestKv", 0.9f, 0.2f, 1.0f, CorrectionOutcome::Corrected, 0.2f, 0.5f},
        // Found at 2,20 (Kv 3,6) passing half the design: 7,2, the largest.
        OutcomeCase{"AtTheLargestKv", 2.2f, 1.0f, 0.5f, CorrectionOutcome::Corrected, 7.2f, 4.0f},
        // A measured flow too small to divide by needs an infinite Kv.
        OutcomeCase{"AVanishingFlow", 3.0f, 1.0f, 1e-38f, CorrectionOutcome::BiggerValveNeeded, kInfinity, kNaN},
        OutcomeCase{"NoMeasuredFlow", 3.0f, 1.0f, 0.0f, CorrectionOutcome::NoFlowToCompare, kNaN, kNaN},
        OutcomeCase{"ANegativeFlow", 3.0f, 1.0f, -0.5f, CorrectionOutcome::NoFlowToCompare, kNaN, kNaN},
        OutcomeCase{"AMeasuredFlowThatIsNoNumber", 3.0f, 1.0f, kNaN, CorrectionOutcome::NoFlowToCompare, kNaN,
                    kNaN},
        OutcomeCase{"AnInfiniteFlow", 3.0f, 1.0f, kInfinity, CorrectionOutcome::NoFlowToCompare, kNaN, kNaN},
        OutcomeCase{"NoDesignFlow", 3.0f, 0.0f, 0.5f, CorrectionOutcome::NoFlowToCompare, kNaN, kNaN},
        OutcomeCase{"BelowTheScale", 0.4f, 1.0f, 0.5f, CorrectionOutcome::PresettingOffScale, kNaN, kNaN},
        OutcomeCase{"BeyondTheLastStoredMark", 4.1f, 1.0f, 0.5f, CorrectionOutcome::PresettingOffScale, kNaN, kNaN},
        OutcomeCase{"APresettingThatIsNoNumber", kNaN, 1.0f, 0.5f, CorrectionOutcome::PresettingOffScale, kNaN,
                    kNaN},
        // Written with two decimals, 4,004 is the scale's end, 4,00 (Kv 7,2):
        // 7,2 x 1 / 2 = 3,6 at 2,20.
        OutcomeCase{"WithinRoundingOfTheEnd", 4.004f, 1.0f, 2.0f, CorrectionOutcome::Corrected, 3.6f, 2.2f}),
    [](const testing::TestParamInfo<OutcomeCase>& info) { return std::string(info.param.name); });

TEST(PresettingCorrection, AValveWithoutCurveHasNoKvToStartFrom)
{
    EXPECT_FALSE(kvAtPresetting(PresetRow{}, kStart, kStep, 1.0f));
    EXPECT_FALSE(kvAtPresetting(straightCurve(), kStart, 0.0f, 1.0f)) << "a scale without steps";
    EXPECT_EQ(correctPresetting(PresetRow{}, kStart, kStep, 1.0f, 1.0f, 0.5f).outcome,
              CorrectionOutcome::PresettingOffScale);
}

// The shipped catalogue on the sizing engine: for every static valve, from
// several presettings found and several failing flows, the presetting to
// set is the one the engine chooses when it sizes the same valve for the
// design flow at the valve's differential pressure dp = (36 x Q measured /
// Kv found)^2 (kPa, l/s, water), and there the valve passes the design flow
// within the curve's resolution: half the step of Kv to the next mark.
class CatalogueCorrection : public SizingTest {
protected:
    void SetUp() override
    {
        std::filesystem::create_directory(folder.path() / "DB");
        const BuildResult built = buildCatalogue(folder.path() / "DB" / "mvd.db", defaultSourceDirectory());
        ASSERT_TRUE(built.written) << testing::PrintToString(built.messages);
        restart("");
        state.engine.pressureUnitIndex = 0; // kPa
        // Every orifice reading counts, so that the valve itself is among the candidates.
        state.engine.dpMin = 1e-3f;
        state.engine.dpMax = 1e6f;
    }

    struct Valve {
        std::string code;
        float start = 0.0f;
        float step = 0.0f;
    };

    std::vector<Valve> valves(const char* table)
    {
        std::vector<Valve> found;
        sqlite3_stmt* statement = nullptr;
        const std::string sql = std::string("SELECT codice_tecnico, preset_inizio, preset_passo FROM ") + table;
        EXPECT_EQ(sqlite3_prepare_v2(db.handle(), sql.c_str(), -1, &statement, nullptr), SQLITE_OK);
        while (sqlite3_step(statement) == SQLITE_ROW)
            found.push_back({reinterpret_cast<const char*>(sqlite3_column_text(statement, 0)),
                             static_cast<float>(sqlite3_column_double(statement, 1)),
                             static_cast<float>(sqlite3_column_double(statement, 2))});
        sqlite3_finalize(statement);
        return found;
    }

    // The engine's presetting and Kv for the valve, clicked among the candidates.
    template <typename Row>
    std::optional<std::pair<float, float>> sizeForward(const std::string& code, float flow, float dp,
                                                       void (*size)(AppState&, ProductDb&, float, float, ChosenRow),
                                                       const std::vector<Row>& rows, const float& presetting,
                                                       const float& kv)
    {
        size(state, db, flow, dp, std::nullopt);
        for (std::size_t i = 0; i < rows.size(); ++i)
            if (rows[i].technicalCode == code) {
                size(state, db, flow, dp, i);
                return std::make_pair(presetting, kv);
            }
        return std::nullopt;
    }

    std::optional<std::pair<float, float>> sizeForward(const char* table, const std::string& code, float flow,
                                                       float dp)
    {
        if (std::string(table) == "vobv")
            return sizeForward(code, flow, dp, sizeVariableOrifice, state.vobvRows, state.vobvPresetting,
                               state.vobvKvAtSetting);
        return sizeForward(code, flow, dp, sizeFixedOrifice, state.fobvRows, state.fobvPresetting,
                           state.fobvKvAtSetting);
    }
};

TEST_F(CatalogueCorrection, TheEngineSizesThePresettingToSetForTheDesignFlow)
{
    for (const char* table : {"vobv", "fobv"}) {
        const std::vector<Valve> catalogue = valves(table);
        ASSERT_FALSE(catalogue.empty()) << table;
        for (const Valve& valve : catalogue) {
            std::vector<PresetRow> presets;
            ASSERT_EQ(db.queryPreset(presets, valve.code), 1) << valve.code;
            const PresetRow& curve = presets.front();
            std::size_t marks = 0;
            while (marks < curve.values.size() && curve.values[marks] > 0.0f)
                ++marks;
            ASSERT_GE(marks, 8u) << valve.code;
            // The design flow passes the middle mark at 10 kPa.
            const float designFlow = curve.values[marks / 2] * std::sqrt(10.0f) / 36.0f;
            for (const std::size_t foundMark : {marks / 4, marks / 2, 3 * marks / 4}) {
                for (const std::size_t aim : {std::size_t(1), marks / 3, 2 * marks / 3, marks - 2}) {
                    SCOPED_TRACE(valve.code + " found at mark " + std::to_string(foundMark) + ", aiming at mark " +
                                 std::to_string(aim));
                    const float kvFound = curve.values[foundMark];
                    // A Kv needed a third of the way from the aimed mark to the next.
                    const float kvNeeded = curve.values[aim] + (curve.values[aim + 1] - curve.values[aim]) / 3.0f;
                    const float measuredFlow = designFlow * kvFound / kvNeeded;
                    const float found = valve.start + static_cast<float>(foundMark) * valve.step;
                    const PresettingCorrection correction =
                        correctPresetting(curve, valve.start, valve.step, found, designFlow, measuredFlow);
                    ASSERT_EQ(correction.outcome, CorrectionOutcome::Corrected);
                    ASSERT_FLOAT_EQ(correction.kvFound, kvFound);

                    const float headRoot = 36.0f * measuredFlow / kvFound; // sqrt(dp)
                    const auto forward = sizeForward(table, valve.code, designFlow, headRoot * headRoot);
                    ASSERT_TRUE(forward) << "the valve is no candidate for its own design flow";
                    EXPECT_FLOAT_EQ(forward->first, correction.presetting);
                    const float passed = forward->second * headRoot / 36.0f;
                    const auto mark = static_cast<std::size_t>(std::lround((correction.presetting - valve.start) /
                                                                           valve.step));
                    const float below = mark > 0 ? curve.values[mark] - curve.values[mark - 1] : 0.0f;
                    const float above = mark + 1 < marks ? curve.values[mark + 1] - curve.values[mark] : 0.0f;
                    const float resolution = std::max(below, above) / 2.0f * headRoot / 36.0f;
                    EXPECT_LE(std::fabs(passed - designFlow), resolution * 1.0001f)
                        << "passes " << passed << " for a design of " << designFlow;
                }
            }
        }
    }
}

} // namespace
