#pragma once

#include "windows/dialogs/settings_dialog.h"

// The language dialog: picks the language of the whole program.
class CArveloCalcSetupLangDlg : public SettingsDialog {
public:
    CArveloCalcSetupLangDlg(AppState& state, std::u16string title);

    void onOpen() override;

private:
    void save() override;

    AppState& state_;
};
