#include "sizing/choose_candidate.h"
#include "sizing/flow_coefficient.h"
#include "sizing/nearest_presetting.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <string>

namespace {

std::string sqlNumber(float value)
{
    char text[64];
    std::snprintf(text, sizeof text, "%f", static_cast<double>(value));
    return text;
}

// Q 0,5 l/s of water across 100 mbar: K 18, Kv 5.692100, and with the bounds
// 1 and 6 kPa an orifice of 7.348469 to 18.000000.
TEST(RequiredFlowCoefficient, GivesTheFiguresOfTheFixedOrificeExample)
{
    const FlowCoefficient required = requiredFlowCoefficient(1.0f, 1.0f, 0.5f, 0.100000001f, 100.0f);
    EXPECT_EQ(required.k, 18.0f);
    EXPECT_EQ(sqlNumber(required.kv), "5.692100");
    EXPECT_EQ(sqlNumber(required.k / std::sqrt(6.0f)), "7.348469");
}

TEST(RequiredFlowCoefficient, ScalesWithTheRootOfTheRelativeDensity)
{
    const float water = requiredFlowCoefficient(1.0f, 1.0f, 1.0f, 1.0f, 10.0f).kv;
    const float glycol = requiredFlowCoefficient(1.075f, 1.0f, 1.0f, 1.0f, 10.0f).kv;
    EXPECT_FLOAT_EQ(glycol / water, std::sqrt(1.075f));
    EXPECT_TRUE(std::isinf(requiredFlowCoefficient(1.0f, 1.0f, 1.0f, 1.0f, 0.0f).kv)) << "no pressure drop";
}

struct Row {
    std::string model;
};

struct ChoiceCase {
    const char* name;
    std::vector<const char*> models;
    ChosenRow clicked;
    ChosenRow expected;
};

TEST(ChooseCandidate, PrefersThenFallsBackThenFollowsTheClick)
{
    const ModelChoice names{"Arvelo Nodo Tesa", "Arvelo"};
    const ChoiceCase cases[] = {
        {"preferred wherever it stands", {"Arvelo", "Arvelo Nodo", "Arvelo Nodo Tesa"}, std::nullopt, 2},
        {"first alternative, not the first row", {"Arvelo Nodo", "Arvelo Tesa", "Arvelo", "Arvelo"}, std::nullopt, 2},
        {"neither: the first row", {"Arvelo Nodo", "Arvelo Tesa"}, std::nullopt, 0},
        {"no prefix match", {"Arvelo Nodo Tesa 2", "Arvelo Nodo"}, std::nullopt, 0},
        {"case counts", {"arvelo", "ARVELO NODO TESA"}, std::nullopt, 0},
        {"the click wins", {"Arvelo", "Arvelo Nodo Tesa", "Arvelo Nodo"}, 2, 2},
        {"a click beyond the list is ignored", {"Arvelo", "Arvelo Nodo Tesa"}, 2, 1},
    };
    for (const ChoiceCase& c : cases) {
        std::vector<Row> rows;
        for (const char* model : c.models)
            rows.push_back({model});
        const CandidateChoice choice = chooseCandidate(rows, names, c.clicked);
        EXPECT_EQ(choice.found, 1) << c.name;
        EXPECT_EQ(choice.chosen, c.expected) << c.name;
    }
    const CandidateChoice none = chooseCandidate(std::vector<Row>{}, names, 0);
    EXPECT_EQ(none.found, 0);
    EXPECT_FALSE(none.chosen);
}

TEST(NearestPresetting, TakesTheLowestOfEqualDistancesAndCountsEmptyValues)
{
    PresetRow curve;
    for (std::size_t i = 10; i < kPresetPositions; ++i)
        curve.values[i] = static_cast<float>(i);
    curve.values[4] = 2.0f;
    curve.values[5] = 3.0f;
    EXPECT_EQ(nearestPresetting(curve, 2.5f), 4u) << "tie: the lower position";
    EXPECT_EQ(nearestPresetting(curve, 0.2f), 0u) << "empty values read 0 and can be nearest";
    EXPECT_EQ(nearestPresetting(curve, 1000.0f), 130u);
    EXPECT_EQ(nearestPresetting(curve, 57.4f), 57u);
}

TEST(NearestPresetting, PresettingIsPositionTimesStepPlusStart)
{
    EXPECT_EQ(presettingAt(37, 0.1f, 0.0f), 3.7f);
    EXPECT_EQ(presettingAt(0, 0.1f, 0.5f), 0.5f);
    EXPECT_EQ(presettingAt(12, 0.25f, 1.0f), 4.0f);
}

} // namespace
