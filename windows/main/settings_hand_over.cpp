#include "windows/main/arvelo_calc_dlg.h"

#include "data/text_format.h"
#include "windows/dialogs/about_dlg.h"
#include "windows/dialogs/arvelo_calc_calc_dlg.h"
#include "windows/dialogs/arvelo_calc_setup_lang_dlg.h"
#include "windows/dialogs/arvelo_calc_setup_prefs_dlg.h"
#include "windows/dialogs/arvelo_calc_setup_um_dlg.h"
#include "branch/branch_text_ids.h"
#include "windows/branch/branch_window.h"
#include "windows/main/main_window_ids.h"

using namespace MainWindowId;

namespace {

constexpr int kTextPresettings = 3;
constexpr int kTextUnits = 4;
constexpr int kTextLanguage = 5;
constexpr int kTextFlowCalculation = 95;

} // namespace

void CArveloCalcDlg::openSettings(int buttonId)
{
    if (buttonId == kPreferencesButton) {
        CArveloCalcSetupPrefsDlg dialog(state_, text(kTextPresettings));
        settingsHandOver(dialog);
    } else if (buttonId == kUnitsButton) {
        CArveloCalcSetupUmDlg dialog(state_, text(kTextUnits));
        settingsHandOver(dialog);
    } else if (buttonId == kLanguageButton) {
        CArveloCalcSetupLangDlg dialog(state_, text(kTextLanguage));
        settingsHandOver(dialog);
    }
}

void CArveloCalcDlg::openBranchWindow()
{
    BranchWindow window(state_, db_, {services_.messages, services_.windows, services_.files, services_.exportFolder},
                        text(branch_text::kBalanceBranch));
    services_.windows.runModal(window);
    reloadValveList();
}

void CArveloCalcDlg::flowCalculationHandOver()
{
    CArveloCalcCalcDlg dialog(state_, text(kTextFlowCalculation));
    dialog.flowText = fields.flowInput;
    dialog.powerText = fields.powerInput;
    dialog.supplyTempText = fields.supplyTempInput;
    dialog.returnTempText = fields.returnTempInput;
    if (services_.windows.runModal(dialog) != kResultOk)
        return;
    fields.flowInput = dialog.flowText;
    writeField(kFirstInput, utf8ToUtf16(fields.flowInput));
    fields.powerInput = dialog.powerText;
    fields.supplyTempInput = dialog.supplyTempText;
    fields.returnTempInput = dialog.returnTempText;
    calculate();
}

void CArveloCalcDlg::onSystemCommand(int command)
{
    if (command != kAboutCommand)
        return;
    CAboutDlg about;
    services_.windows.runModal(about);
}
