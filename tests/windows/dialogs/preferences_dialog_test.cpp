#include "tests/windows/dialogs/dialog_state.h"
#include "windows/dialogs/arvelo_calc_setup_prefs_dlg.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

constexpr int kValveTypeList = 1069;
constexpr int kPreferredList = 1071;
constexpr int kAlternativeList = 1073;
constexpr int kDpMinCaption = 1079;
constexpr int kDpMinField = 1078;
constexpr int kDpMaxCaption = 1081;
constexpr int kDpMaxField = 1080;
constexpr int kFluidList = 1075;
constexpr int kPreferencesSave = 1076;
constexpr int kPreferencesCancel = 1077;

std::unique_ptr<CArveloCalcSetupPrefsDlg> openPreferences(AppState& state)
{
    auto dialog = std::make_unique<CArveloCalcSetupPrefsDlg>(state, u"Presettings");
    dialog->onOpen();
    return dialog;
}

TEST(PreferencesDialog, OpensAtTheFixedOrificeValveWithItsPressureWindow)
{
    AppState state = startupState(kEnglish);
    state.engine.fluidIndex = 2;
    const auto dialog = openPreferences(state);
    EXPECT_EQ(picked(*dialog, kValveTypeList), u"Static balancing valve: Arvelo Quarz");
    EXPECT_EQ(dialog->controls()[kValveTypeList].entries.size(), 4u);
    EXPECT_EQ(dialog->controls()[kPreferredList].entries, std::vector<std::u16string>{u"Arvelo Quarz"});
    EXPECT_EQ(picked(*dialog, kPreferredList), u"Arvelo Quarz");
    EXPECT_EQ(picked(*dialog, kAlternativeList), u"Arvelo Quarz");
    EXPECT_EQ(shown(*dialog, kDpMinCaption), u"dPmin (mbar)");
    EXPECT_EQ(shown(*dialog, kDpMaxCaption), u"dPmax (mbar)");
    EXPECT_EQ(dialog->controls()[kDpMinCaption].font, ControlFont::Template);
    EXPECT_EQ(dialog->controls()[1070].font, ControlFont::Bold);
    EXPECT_EQ(shown(*dialog, kDpMinField), u"10,00");
    EXPECT_EQ(shown(*dialog, kDpMaxField), u"60,00");
    for (const int id : {kDpMinCaption, kDpMinField, kDpMaxCaption, kDpMaxField})
        EXPECT_TRUE(dialog->controls()[id].visible);
    EXPECT_EQ(picked(*dialog, kFluidList), u"Water and glycol 20%");
    EXPECT_EQ(shown(*dialog, 1074), u"Fluid handled");
}

TEST(PreferencesDialog, TheBoundsShowInThePressureUnitAndPassThroughTheirTextsOnSave)
{
    struct PressureCase {
        std::uint8_t unit;
        const char16_t* minText;
        const char16_t* maxText;
        float savedMin;
        float savedMax;
    };
    const PressureCase cases[] = {
        {8, u"10,00", u"60,00", 1.0f, 6.0f},         // mbar
        {0, u"1,00", u"6,00", 1.0f, 6.0f},           // kPa
        {2, u"0,0100", u"0,0600", 1.0f, 6.0f},       // bar
        {1, u"100,00", u"600,00", 1.0f, 6.0f},       // daPa
        // PSI: 1 kPa is 0,145038 PSI; three digits keep 0,145 x 6,89465 =
        // 0,99972 kPa, where two decimals made 0,15 PSI = 1,0342 kPa.
        {6, u"0,145", u"0,870", 0.99972f, 5.99835f},
    };
    for (const PressureCase& pressure : cases) {
        SCOPED_TRACE(pressure.unit);
        AppState state = startupState(kEnglish);
        state.engine.pressureUnitIndex = pressure.unit;
        const auto dialog = openPreferences(state);
        EXPECT_EQ(shown(*dialog, kDpMinField), pressure.minText);
        EXPECT_EQ(shown(*dialog, kDpMaxField), pressure.maxText);
        dialog->onClick(kPreferencesSave);
        EXPECT_EQ(dialog->result(), 1);
        EXPECT_NEAR(state.engine.dpMin, pressure.savedMin, 5e-5f);
        EXPECT_NEAR(state.engine.dpMax, pressure.savedMax, 5e-5f);
    }
}

TEST(PreferencesDialog, OtherKindsOfferTheirModelsWithTheStoredOnesSelectedAndHideTheBounds)
{
    AppState state = startupState(kEnglish);
    const auto dialog = openPreferences(state);
    pick(*dialog, kValveTypeList, 1);
    EXPECT_EQ(dialog->controls()[kPreferredList].entries,
              (std::vector<std::u16string>{u"Arvelo", u"Arvelo Nodo", u"Arvelo Tesa", u"Arvelo Nodo Tesa"}));
    EXPECT_EQ(dialog->controls()[kAlternativeList].entries.size(), 4u);
    EXPECT_EQ(picked(*dialog, kPreferredList), u"Arvelo");
    EXPECT_EQ(picked(*dialog, kAlternativeList), u"Arvelo Nodo");
    for (const int id : {kDpMinCaption, kDpMinField, kDpMaxCaption, kDpMaxField})
        EXPECT_FALSE(dialog->controls()[id].visible);

    pick(*dialog, kValveTypeList, 3);
    EXPECT_EQ(dialog->controls()[kPreferredList].entries,
              (std::vector<std::u16string>{u"Arvelo Statra-A", u"Arvelo Statra-B"}));
    EXPECT_EQ(picked(*dialog, kAlternativeList), u"Arvelo Statra-B");
}

TEST(PreferencesDialog, SaveWritesOnlyTheKindShownAndTheBoundsOnlyForTheFixedOrificeValve)
{
    AppState state = startupState(kEnglish);
    state.engine.pressureUnitIndex = 0;
    const auto dialog = openPreferences(state);
    typeInto(*dialog, kDpMinField, u"5");
    pick(*dialog, kValveTypeList, 1);
    pick(*dialog, kPreferredList, 2);
    dialog->onClick(kPreferencesSave);

    ModelNames expected = defaultModelNames();
    expected[1].preferred = "Arvelo Tesa";
    for (int kind = 0; kind < kValveKindCount; ++kind) {
        EXPECT_EQ(state.engine.modelNames[kind].preferred, expected[kind].preferred);
        EXPECT_EQ(state.engine.modelNames[kind].alternative, expected[kind].alternative);
    }
    EXPECT_EQ(state.engine.dpMin, 1.0f);
    EXPECT_EQ(state.engine.dpMax, 6.0f);
}

TEST(PreferencesDialog, SaveWritesBothPickedModelsOfTheKindShown)
{
    AppState state = startupState(kEnglish);
    const auto dialog = openPreferences(state);
    pick(*dialog, kValveTypeList, 2);
    pick(*dialog, kPreferredList, 1);
    pick(*dialog, kAlternativeList, 0);
    dialog->onClick(kPreferencesSave);
    EXPECT_EQ(state.engine.modelNames[2].preferred, "Arvelo Flumen-B");
    EXPECT_EQ(state.engine.modelNames[2].alternative, "Arvelo Flumen-A");
}

TEST(PreferencesDialog, SwitchingTheKindLosesUnsavedEdits)
{
    AppState state = startupState(kEnglish);
    state.engine.pressureUnitIndex = 0;
    const auto dialog = openPreferences(state);
    pick(*dialog, kValveTypeList, 1);
    pick(*dialog, kPreferredList, 3);
    pick(*dialog, kValveTypeList, 2);
    pick(*dialog, kValveTypeList, 1);
    EXPECT_EQ(picked(*dialog, kPreferredList), u"Arvelo");

    pick(*dialog, kValveTypeList, 0);
    typeInto(*dialog, kDpMinField, u"5");
    pick(*dialog, kValveTypeList, 3);
    pick(*dialog, kValveTypeList, 0);
    EXPECT_EQ(shown(*dialog, kDpMinField), u"1,00");
    dialog->onClick(kPreferencesSave);
    EXPECT_EQ(state.engine.dpMin, 1.0f);
}

TEST(PreferencesDialog, TypedBoundsAreStoredInKilopascal)
{
    AppState state = startupState(kEnglish); // mbar
    const auto dialog = openPreferences(state);
    typeInto(*dialog, kDpMinField, u"200");
    typeInto(*dialog, kDpMaxField, u"");
    dialog->onClick(kPreferencesSave);
    EXPECT_FLOAT_EQ(state.engine.dpMin, 20.0f);
    EXPECT_EQ(state.engine.dpMax, 0.0f) << "an empty field reads as 0, no range check";
}

TEST(PreferencesDialog, ARejectedKeystrokeRestoresTheBoundField)
{
    AppState state = startupState(kEnglish);
    const auto dialog = openPreferences(state);
    typeInto(*dialog, kDpMaxField, u"60,00x");
    EXPECT_EQ(shown(*dialog, kDpMaxField), u"60,00");
    EXPECT_EQ(dialog->controls().focusRequest, kDpMaxField);
    dialog->onClick(kPreferencesSave);
    EXPECT_FLOAT_EQ(state.engine.dpMax, 6.0f);
}

TEST(PreferencesDialog, TheFluidIsWrittenOnEverySaveAndCancelWritesNothing)
{
    for (int kind = 0; kind < kValveKindCount; ++kind) {
        SCOPED_TRACE(kind);
        AppState state = startupState(kEnglish);
        const auto dialog = openPreferences(state);
        pick(*dialog, kValveTypeList, kind);
        pick(*dialog, kFluidList, 4);
        dialog->onClick(kPreferencesSave);
        EXPECT_EQ(state.engine.fluidIndex, 4);
    }

    AppState state = startupState(kEnglish);
    state.engine.pressureUnitIndex = 0;
    const auto dialog = openPreferences(state);
    typeInto(*dialog, kDpMinField, u"3");
    pick(*dialog, kFluidList, 5);
    dialog->onClick(kPreferencesCancel);
    EXPECT_EQ(dialog->result(), 0);
    EXPECT_EQ(state.engine.fluidIndex, 0);
    EXPECT_EQ(state.engine.dpMin, 1.0f);
}

TEST(PreferencesDialog, AStoredNameThatIsNotOfferedIsShownUnselectedAndKept)
{
    AppState state = startupState(kEnglish);
    state.engine.modelNames[1].preferred = "arvelo";
    const auto dialog = openPreferences(state);
    pick(*dialog, kValveTypeList, 1);
    EXPECT_EQ(picked(*dialog, kPreferredList), u"") << "names compare exactly";
    pick(*dialog, kAlternativeList, 3);
    dialog->onClick(kPreferencesSave);
    EXPECT_EQ(state.engine.modelNames[1].preferred, "arvelo");
    EXPECT_EQ(state.engine.modelNames[1].alternative, "Arvelo Nodo Tesa");
}

TEST(PreferencesDialog, ModelNamesStayTheSameInEveryLanguage)
{
    AppState state = startupState();
    state.languageIndex = 6;
    const auto dialog = openPreferences(state);
    pick(*dialog, kValveTypeList, 2);
    EXPECT_EQ(picked(*dialog, kValveTypeList), u"Независимый от давления регулирующий клапан: Arvelo Flumen");
    EXPECT_EQ(picked(*dialog, kPreferredList), u"Arvelo Flumen-A");
    EXPECT_EQ(picked(*dialog, kFluidList), u"Вода");
}

TEST(PreferencesDialog, ABoundTooLargeForItsFieldShowsNoNumberAndIsKeptUntilEdited)
{
    AppState state = startupState(kEnglish);
    state.engine.pressureUnitIndex = 1; // daPa
    state.engine.dpMax = 1e17f;
    const auto dialog = openPreferences(state);
    EXPECT_EQ(shown(*dialog, kDpMaxField), u"---");
    dialog->onClick(kPreferencesSave);
    EXPECT_EQ(state.engine.dpMax, 1e17f);
    EXPECT_FLOAT_EQ(state.engine.dpMin, 1.0f);

    const auto edited = openPreferences(state);
    typeInto(*edited, kDpMaxField, u"---5");
    EXPECT_EQ(shown(*edited, kDpMaxField), u"---") << "nothing may be typed behind the dashes";
    typeInto(*edited, kDpMaxField, u"5");
    edited->onClick(kPreferencesSave);
    EXPECT_FLOAT_EQ(state.engine.dpMax, 0.05f);
}

TEST(PreferencesDialog, OffersSixFluidsWhateverTheCatalogueHolds)
{
    AppState state = startupState(kEnglish);
    state.engine.fluids.clear();
    state.engine.fluidIndex = 3;
    const auto dialog = openPreferences(state);
    EXPECT_EQ(dialog->controls()[kFluidList].entries.size(), 6u);
    EXPECT_EQ(picked(*dialog, kFluidList), u"Water and glycol 30%");
    pick(*dialog, kFluidList, -1);
    dialog->onClick(kPreferencesSave);
    EXPECT_EQ(state.engine.fluidIndex, 3) << "no picked entry keeps the fluid";
}

} // namespace
