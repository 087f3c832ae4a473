#pragma once

#include "windows/dialogs/settings_dialog.h"

#include <string>

// The flow calculation dialog: the flow rate from a power and the supply and
// return temperatures, recomputed on every change of an input. It writes
// nothing into AppState; the opener fills the four texts before onOpen and
// reads them back after result 1.
class CArveloCalcCalcDlg : public SettingsDialog {
public:
    CArveloCalcCalcDlg(const AppState& state, std::u16string title);

    // UTF-8, at most 15 bytes each, decimal comma. The units are those in
    // force: power, temperature, flow.
    std::string powerText;
    std::string supplyTempText;
    std::string returnTempText;
    // After result 1 always a number; while no flow can be computed (no
    // usable fluid, or a flow too large for its field) it is empty, the
    // field shows "---" and Save is refused.
    std::string flowText;

    void onOpen() override;
    void onTextChanged(int controlId) override;

    // Reads the three inputs, computes the flow and shows it.
    void recalculateFlow();

private:
    void save() override;

    const AppState& state_;
};
