// A variable-orifice valve commissioned by its presetting: the flow from the
// dP measured across it and the Kv of the presetting found on its curve,
// Q = Kv x sqrt(dp / SG) / 36 (l/s, m3/h, kPa), and the presetting that
// corrects it, as for a fixed-orifice valve.

#include "commissioning/valve_correction.h"
#include "commissioning/valve_facts.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

// A curve as the catalogue's AN-020: Kv 0,5 + 0,0875 per step of 0,1 from
// presetting 0 to 4 (41 positions).
ValveFacts variableValve()
{
    ValveFacts facts;
    facts.kind = MeasuredKind::VariableOrifice;
    facts.hasCurve = true;
    facts.presetStart = 0.0f;
    facts.presetStep = 0.1f;
    for (std::size_t i = 0; i <= 40; ++i)
        facts.curve.values[i] = 0.5f + 0.0875f * static_cast<float>(i);
    return facts;
}

TEST(VariableOrificeFlow, FollowsFromTheKvOfThePresettingFound)
{
    const ValveFacts facts = variableValve();
    const struct {
        const char* name;
        float presetting, dpKpa, sg;
        double flow; // l/s, NaN for none
    } cases[] = {
        // Presetting 2,0: Kv 0,5 + 20 x 0,0875 = 2,25; 2,25 x sqrt(10) / 36.
        {"water", 2.0f, 10.0f, 1.0f, 0.197642},
        // EG 20 %: 2,25 x sqrt(10 / 1,032) / 36.
        {"glycol", 2.0f, 10.0f, 1.032f, 0.194554},
        // Between marks, along the curve: Kv 2,29375 at 2,05.
        {"between marks", 2.05f, 10.0f, 1.0f, 0.201485},
        {"no pressure", 2.0f, 0.0f, 1.0f, 0.0},
        {"off the curve", 4.5f, 10.0f, 1.0f, NAN},
        {"a dP below zero", 2.0f, -1.0f, 1.0f, NAN},
    };
    for (const auto& c : cases) {
        const std::optional<float> flow = variableOrificeFlow(facts, c.presetting, c.dpKpa, c.sg);
        if (std::isnan(c.flow)) {
            EXPECT_FALSE(flow) << c.name;
            continue;
        }
        ASSERT_TRUE(flow) << c.name;
        EXPECT_NEAR(*flow, c.flow, 2e-6) << c.name;
    }
}

// Designed for 0,25 l/s, measured 0,197642 at presetting 2,0 (Kv 2,25): the
// valve needs Kv 2,25 x 0,25 / 0,197642 = 2,8460, the nearest mark 2,7
// (Kv 2,8625).
TEST(VariableOrificeFlow, ALowFlowIsCorrectedByThePresetting)
{
    ProjectRow design;
    design.portata = 0.25f;
    design.muQ = "l/s";
    MeasurementRow measured;
    measured.flow = 0.197642f;
    measured.muQ = "l/s";
    measured.setting = "2,00";
    const std::optional<PresettingCorrection> correction = valveCorrection(design, &measured, variableValve());
    ASSERT_TRUE(correction);
    EXPECT_EQ(correction->outcome, CorrectionOutcome::Corrected);
    EXPECT_NEAR(correction->kvNeeded, 2.8460f, 1e-3f);
    EXPECT_NEAR(correction->presetting, 2.7f, 1e-5f);
}

} // namespace
