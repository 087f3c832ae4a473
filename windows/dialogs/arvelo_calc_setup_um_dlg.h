#pragma once

#include "windows/dialogs/settings_dialog.h"

// The units dialog: picks the units of flow, pressure, power and
// temperature. It converts nothing; it only chooses table entries.
class CArveloCalcSetupUmDlg : public SettingsDialog {
public:
    CArveloCalcSetupUmDlg(AppState& state, std::u16string title);

    void onOpen() override;

private:
    void save() override;

    AppState& state_;
};
