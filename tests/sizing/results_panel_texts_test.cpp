#include "sizing/results_panel_texts.h"

#include "data/units.h"
#include "sizing/result_kind.h"
#include "sizing/image_keys.h"
#include "sizing/result_field_visibility.h"

#include <gtest/gtest.h>

namespace {

AppState germanState()
{
    AppState state{};
    state.languageIndex = 3;
    state.engine.flowUnits = flowUnitTable();
    state.engine.flowUnitIndex = 2;
    state.engine.fluids.push_back(FluidRow{1, 1.0f, 4182, 1000});
    return state;
}

CandidateSummary summary(const char* code, const char* imageKey)
{
    return {"Arvelo Flumen-A", code, "DN 20", imageKey, 0.1f, 1.25f};
}

TEST(ResultsPanelTexts, ShowsTheFamilysFieldsInTheCurrentLanguage)
{
    const AppState state = germanState();
    ResultsPanelModel panel(state);
    panel.showResultValues(FixedOrificeResult, false, {3.7f, 5.6921f, 46.25f});
    EXPECT_EQ(panel.texts().status, u"Baureihe");
    EXPECT_EQ(panel.texts().first, u"3,70");
    EXPECT_EQ(panel.texts().second, u"5,69");
    EXPECT_EQ(panel.texts().third, u"46,25");

    panel.showResultValues(PressureIndependentResult, false, {1.4f, kPressureInsufficient, 21.0f});
    EXPECT_EQ(panel.texts().second, u"dP nicht ausreichend");
    EXPECT_EQ(panel.texts().secondColour, kTextRed);
    EXPECT_EQ(panel.texts().third, u"-");
    panel.showResultValues(PressureIndependentResult, false, {1.4f, 0.25f, 21.0f});
    EXPECT_EQ(panel.texts().second, u"0,25");
    EXPECT_EQ(panel.texts().secondColour, kTextBlack);
    EXPECT_EQ(panel.texts().third, u"21,00");

    panel.showResultValues(DpControllerResult, true, {});
    EXPECT_EQ(panel.texts().status, u"keine Baureihe/Nennweite verfügbar");
    EXPECT_EQ(panel.texts().statusColour, kTextRed);
    EXPECT_EQ(panel.texts().second, u"0,25") << "the controller leaves the numbers alone";
}

TEST(ResultsPanelTexts, AnUnknownImageKeyKeepsThePictureAndShowsNoListImage)
{
    AppState state = germanState();
    state.engine.flowUnitIndex = 0; // kg/s with 1000 kg/m3: the l/s figures unchanged
    ResultsPanelModel panel(state);
    const CandidateSummary known = summary("AF-1", "mflumen_bf");
    const CandidateSummary unknown = summary("AF-2", "mflumen_x");
    panel.showValveDetails(PressureIndependentResult, &known);
    EXPECT_EQ(panel.texts().pictureId, 215);
    panel.showValveDetails(PressureIndependentResult, &unknown);
    EXPECT_EQ(panel.texts().pictureId, 215);
    EXPECT_EQ(panel.texts().details,
              u"Mat.-Nr.:\r\n\r\nAF-2\r\n\r\n\r\nNennweite:\r\n\r\nDN 20\r\n\r\n\r\nDurchflussbereich (kg/s):\r\n\r\n"
              u"0,10 - 1,25");
    panel.showValveDetails(PressureIndependentResult, nullptr);
    EXPECT_EQ(panel.texts().pictureId, -1);
    EXPECT_EQ(panel.texts().details,
              u"Mat.-Nr.:\r\n\r\n\r\n\r\n\r\nNennweite:\r\n\r\n\r\n\r\n\r\nDurchflussbereich ():\r\n\r\n - ");

    panel.fillCandidateList(PressureIndependentResult, {known, unknown, summary("AF-3", "arvelo")}, 2);
    ASSERT_EQ(panel.texts().candidates.size(), 3u);
    EXPECT_EQ(panel.texts().candidates[0].imageIndex, 12);
    EXPECT_EQ(panel.texts().candidates[1].imageIndex, -1);
    EXPECT_EQ(panel.texts().candidates[2].imageIndex, 4);
    EXPECT_EQ(panel.texts().candidates[2].materialNumber, u"AF-3");
    EXPECT_EQ(panel.texts().selectedRow, 2);
}

TEST(ResultsPanelTexts, ImageKeysMatchWholeKeysOnly)
{
    EXPECT_EQ(imageKeyIndex("arvelo"), 4u);
    EXPECT_EQ(imageKeyIndex("arvelo_nodog"), 3u);
    EXPECT_EQ(imageKeyIndex("mquarz"), 14u);
    EXPECT_FALSE(imageKeyIndex("Arvelo"));
    EXPECT_FALSE(imageKeyIndex("arvelo_"));
}

TEST(ResultsPanelTexts, EachViewShowsItsResultFields)
{
    EXPECT_TRUE(resultFieldVisibility(3).first && resultFieldVisibility(3).third);
    EXPECT_TRUE(resultFieldVisibility(4).second && !resultFieldVisibility(4).first && !resultFieldVisibility(4).third);
    EXPECT_TRUE(resultFieldVisibility(9).second && !resultFieldVisibility(9).third);
    EXPECT_FALSE(resultFieldVisibility(10).first || resultFieldVisibility(10).second || resultFieldVisibility(10).third);
    EXPECT_FALSE(resultFieldVisibility(0).second);
}

} // namespace
