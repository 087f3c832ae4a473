#include "cli/duty.h"

#include <gtest/gtest.h>

namespace {

struct BadDutyCase {
    DutyTexts texts;
    const char* error;
};

TEST(Duty, RejectsWhatTheWindowCouldNotBeGiven)
{
    const BadDutyCase cases[] = {
        {{"", "1"}, "no view given (one of: fixed, fixed-check, variable, picv, picv-check, dpcv)"},
        {{"fixd"}, "unknown view 'fixd' (one of: fixed, fixed-check, variable, picv, picv-check, dpcv)"},
        {{"fixed", "1,2,3"}, "flow '1,2,3' is not a number (digits with a decimal comma or point)"},
        {{"fixed", "-1"}, "flow '-1' is not a number (digits with a decimal comma or point)"},
        {{"fixed", ",", ""}, "flow ',' is not a number (digits with a decimal comma or point)"},
        {{"fixed", "1", "1e3"}, "dp '1e3' is not a number (digits with a decimal comma or point)"},
        {{"fixed", "1", "1", "first"}, "pick 'first' is not a row number (0 for the first row)"},
        {{"fixed", "1", "1", "", "kg/h"},
         "unknown flow unit 'kg/h' (one of: kg/s, Kg/h, l/s, l/min, l/h, m3/s, m3/h, GPM, In3/min, Ft3/min)"},
        {{"fixed", "1", "1", "", "", "psi"},
         "unknown pressure unit 'psi' (one of: kPa, daPa, bar, mH2O, atm, kg/cm2, PSI, ftH2O, mbar)"},
        {{"fixed", "1", "1", "", "", "", "6"}, "fluid '6' is not 0 (water) to 5 (water and glycol 50%)"},
    };
    for (const BadDutyCase& c : cases) {
        Duty duty;
        EXPECT_EQ(resolveDuty(c.texts, duty), c.error);
    }
}

TEST(Duty, TakesTheWindowsTextsAndUnitsByLabel)
{
    Duty duty;
    ASSERT_EQ(resolveDuty({"picv-check"}, duty), "");
    EXPECT_EQ(duty.view, 9);
    EXPECT_EQ(duty.flowText, "0,00");
    EXPECT_EQ(duty.dpText, "100,00");
    EXPECT_EQ(duty.flowUnitIndex, 2);
    EXPECT_EQ(duty.pressureUnitIndex, 8);
    EXPECT_FALSE(duty.pick);

    ASSERT_EQ(resolveDuty({"dpcv", "12.5", "0,5", "3", "Kg/h", "PSI", "5"}, duty), "");
    EXPECT_EQ(duty.view, 10);
    EXPECT_EQ(duty.flowText, "12.5");
    EXPECT_EQ(duty.pick, 3u);
    EXPECT_EQ(duty.flowUnitIndex, 1);
    EXPECT_EQ(duty.pressureUnitIndex, 6);
    EXPECT_EQ(duty.fluidIndex, 5);
}

TEST(Duty, RunSettingsNameModelsOfTheirKind)
{
    RunSettings settings;
    RunSettingTexts texts;
    texts.language = "6";
    texts.preferred = {"variable=Arvelo Tesa", "2=Arvelo Flumen-B"};
    texts.alternative = {"dpcv=Arvelo Statra-A"};
    texts.dpMin = "2,5";
    ASSERT_EQ(resolveRunSettings(texts, settings), "");
    EXPECT_EQ(settings.languageIndex, 6);
    EXPECT_EQ(settings.preferred, (std::vector<std::pair<int, std::string>>{{1, "Arvelo Tesa"}, {2, "Arvelo Flumen-B"}}));
    EXPECT_EQ(settings.alternative, (std::vector<std::pair<int, std::string>>{{3, "Arvelo Statra-A"}}));
    EXPECT_EQ(settings.dpMin, 2.5f);
    EXPECT_FALSE(settings.dpMax);

    texts = {};
    texts.preferred = {"variable=Arvelo Quarz"};
    EXPECT_EQ(resolveRunSettings(texts, settings),
              "--preferred: 'Arvelo Quarz' is not a model of kind 1 (one of: 'Arvelo', 'Arvelo Nodo', 'Arvelo Tesa', "
              "'Arvelo Nodo Tesa')");
    texts.preferred = {"Arvelo"};
    EXPECT_EQ(resolveRunSettings(texts, settings),
              "--preferred 'Arvelo' is not KIND=NAME with KIND 0-3 or fixed, variable, picv, dpcv");
    texts = {};
    texts.language = "7";
    EXPECT_NE(resolveRunSettings(texts, settings), "");
    texts = {};
    texts.dpMax = "six";
    EXPECT_EQ(resolveRunSettings(texts, settings), "--dp-max 'six' is not a number of kPa");
    texts.dpMax = "1" + std::string(40, '0');
    EXPECT_EQ(resolveRunSettings(texts, settings), "--dp-max '" + texts.dpMax + "' is too large a number of kPa");
}

TEST(Duty, CellsReplaceTheCommandLineWhereGiven)
{
    const DutyTexts line = overlaid({"fixed", "1", "100", "", "m3/h", "", "2"}, {"", "2,5", "", "1", "", "kPa", ""});
    EXPECT_EQ(line.view, "fixed");
    EXPECT_EQ(line.flow, "2,5");
    EXPECT_EQ(line.dp, "100");
    EXPECT_EQ(line.pick, "1");
    EXPECT_EQ(line.flowUnit, "m3/h");
    EXPECT_EQ(line.pressureUnit, "kPa");
    EXPECT_EQ(line.fluid, "2");
}

} // namespace
