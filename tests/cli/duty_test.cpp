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
        {{"fixed", "1", "1", "", "kg/d"},
         "unknown flow unit 'kg/d' (one of: kg/s, Kg/h, l/s, l/min, l/h, m3/s, m3/h, GPM, In3/min, Ft3/min)"},
        {{"fixed", "1", "1", "", "", "ps i"},
         "unknown pressure unit 'ps i' (one of: kPa, daPa, bar, mH2O, atm, kg/cm2, PSI, ftH2O, mbar)"},
        {{"fixed-check", "", "25"},
         "fixed-check calculates for one valve of the candidate list: give its row with --pick N (0 is the first "
         "row; run it with --pick 0 to see the list)"},
        {{"picv-check", "1", "25", " "},
         "picv-check calculates for one valve of the candidate list: give its row with --pick N (0 is the first "
         "row; run it with --pick 0 to see the list)"},
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
    ASSERT_EQ(resolveDuty({"picv-check", "", "", "0"}, duty), "");
    EXPECT_EQ(duty.view, 9);
    EXPECT_EQ(duty.flowText, "0,00");
    EXPECT_EQ(duty.dpText, "100,00");
    EXPECT_EQ(duty.flowUnitIndex, 2);
    EXPECT_EQ(duty.pressureUnitIndex, 8);
    EXPECT_EQ(duty.pick, 0u);

    ASSERT_EQ(resolveDuty({"dpcv", "12.5", "0,5", "3", "Kg/h", "PSI", "5"}, duty), "");
    EXPECT_EQ(duty.view, 10);
    EXPECT_EQ(duty.flowText, "12.5");
    EXPECT_EQ(duty.pick, 3u);
    EXPECT_EQ(duty.flowUnitIndex, 1);
    EXPECT_EQ(duty.pressureUnitIndex, 6);
    EXPECT_EQ(duty.fluidIndex, 5);
}

struct TypedByHandCase {
    DutyTexts texts;
    std::int32_t view;
    std::uint8_t flowUnit;
    std::uint8_t pressureUnit;
};

// Labels and names in another case, and blanks around any text, as people
// type them and spreadsheets keep them.
TEST(Duty, LabelsInAnyCaseAndBlanksAroundTextsAreUnderstood)
{
    const TypedByHandCase cases[] = {
        {{"FIXED", " 0,5 ", "100\t", "", "L/S", "KPA", " 1"}, 3, 2, 0},
        {{" Picv-Check ", "1", "20", " 0 ", "kg/h", "psi", ""}, 9, 1, 6},
        {{"dpcv", "1", "20", "", " M3/H ", " MBAR", ""}, 10, 6, 8},
        {{"variable", "1", "20", "", "kg/S", "Bar", ""}, 5, 0, 2},
    };
    for (const TypedByHandCase& c : cases) {
        Duty duty;
        ASSERT_EQ(resolveDuty(c.texts, duty), "") << c.texts.view;
        EXPECT_EQ(duty.view, c.view) << c.texts.view;
        EXPECT_EQ(duty.flowUnitIndex, c.flowUnit) << c.texts.view;
        EXPECT_EQ(duty.pressureUnitIndex, c.pressureUnit) << c.texts.view;
        EXPECT_EQ(duty.viewName.find_first_of(" ABCDEFGHIJKLMNOPQRSTUVWXYZ"), std::string::npos)
            << "the name as help spells it: " << duty.viewName;
        EXPECT_EQ(duty.flowText.find_first_of(" \t"), std::string::npos) << c.texts.view;
        EXPECT_EQ(duty.dpText.find_first_of(" \t"), std::string::npos) << c.texts.view;
    }
    RunSettings settings;
    RunSettingTexts texts;
    texts.language = " 5 ";
    texts.dpMin = " 2 ";
    texts.preferred = {" variable=Arvelo Tesa "};
    ASSERT_EQ(resolveRunSettings(texts, settings), "");
    EXPECT_EQ(settings.languageIndex, 5);
    EXPECT_EQ(settings.dpMin, 2.0f);
    EXPECT_EQ(settings.preferred, (std::vector<std::pair<int, std::string>>{{1, "Arvelo Tesa"}}));
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
