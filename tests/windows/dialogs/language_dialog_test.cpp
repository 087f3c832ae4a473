#include "tests/windows/dialogs/dialog_state.h"
#include "windows/dialogs/arvelo_calc_setup_lang_dlg.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

constexpr int kLanguageLabel = 1052;
constexpr int kLanguageList = 1055;
constexpr int kLanguageSave = 1056;
constexpr int kLanguageCancel = 1057;

TEST(LanguageDialog, OpensInTheLanguageInForceWithItSelected)
{
    AppState state = startupState();
    CArveloCalcSetupLangDlg dialog(state, u"Sprache");
    dialog.onOpen();
    EXPECT_EQ(dialog.caption(), u"Sprache");
    EXPECT_EQ(shown(dialog, kLanguageLabel), u"Deutsch");
    EXPECT_EQ(dialog.controls()[kLanguageLabel].font, ControlFont::Bold);
    EXPECT_EQ(shown(dialog, kLanguageSave), u"Speichern");
    EXPECT_EQ(shown(dialog, kLanguageCancel), u"Abbrechen");
    EXPECT_EQ(dialog.controls()[kLanguageSave].font, ControlFont::Regular);
    EXPECT_EQ(dialog.controls()[kLanguageList].entries,
              (std::vector<std::u16string>{u"Italiano", u"English", u"Español", u"Deutsch", u"Français", u"Svenska",
                                           u"Pусский"}));
    EXPECT_EQ(picked(dialog, kLanguageList), u"Deutsch");
}

TEST(LanguageDialog, SaveTakesThePickedLanguageAndTheNextOpeningSpeaksIt)
{
    AppState state = startupState();
    CArveloCalcSetupLangDlg dialog(state, u"Sprache");
    dialog.onOpen();
    pick(dialog, kLanguageList, kEnglish);
    EXPECT_EQ(shown(dialog, kLanguageLabel), u"Deutsch") << "nothing changes before Save";
    EXPECT_EQ(state.languageIndex, 3);
    dialog.onClick(kLanguageSave);
    EXPECT_EQ(dialog.result(), 1);
    EXPECT_EQ(state.languageIndex, kEnglish);

    CArveloCalcSetupLangDlg next(state, u"Language");
    next.onOpen();
    EXPECT_EQ(shown(next, kLanguageLabel), u"English");
    EXPECT_EQ(shown(next, kLanguageSave), u"Save");
    EXPECT_EQ(shown(next, kLanguageCancel), u"Cancel");
}

TEST(LanguageDialog, LeavingWithoutSaveKeepsTheLanguage)
{
    const std::function<void(CArveloCalcSetupLangDlg&)> leave[] = {
        [](CArveloCalcSetupLangDlg& dialog) { dialog.onClick(kLanguageCancel); },
        [](CArveloCalcSetupLangDlg& dialog) { dialog.onKeyDown(WindowLogic::Key::Escape, kLanguageList); },
        [](CArveloCalcSetupLangDlg& dialog) { dialog.onCloseRequest(); },
    };
    for (const auto& way : leave) {
        AppState state = startupState();
        CArveloCalcSetupLangDlg dialog(state, u"Sprache");
        dialog.onOpen();
        pick(dialog, kLanguageList, 5);
        way(dialog);
        EXPECT_EQ(dialog.result(), 0);
        EXPECT_EQ(state.languageIndex, 3);
    }
}

TEST(LanguageDialog, ReturnNeitherSavesNorCloses)
{
    AppState state = startupState();
    CArveloCalcSetupLangDlg dialog(state, u"Sprache");
    dialog.onOpen();
    pick(dialog, kLanguageList, 0);
    EXPECT_TRUE(dialog.onKeyDown(WindowLogic::Key::Return, kLanguageList));
    EXPECT_FALSE(dialog.result());
    EXPECT_EQ(state.languageIndex, 3);
}

TEST(LanguageDialog, SaveWithoutAPickedEntryKeepsAValidLanguage)
{
    AppState state = startupState();
    state.languageIndex = 6;
    CArveloCalcSetupLangDlg dialog(state, u"Язык");
    dialog.onOpen();
    pick(dialog, kLanguageList, -1);
    dialog.onClick(kLanguageSave);
    EXPECT_EQ(dialog.result(), 1);
    EXPECT_EQ(state.languageIndex, 6);
}

} // namespace
