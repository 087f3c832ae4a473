#pragma once

#include "windows/dialogs/settings_dialog.h"
#include "commissioning/protocol_sign_off.h"

// Asked before the commissioning protocol is printed: the commissioning
// date, engineer, company, measuring instrument and its calibration, the
// remarks, and who signs for contractor and client. Opens with what was
// entered last; Save keeps the fields as typed (an empty one prints as a
// line to fill in by hand), Cancel prints nothing.
class CArveloCalcSignOffDlg : public SettingsDialog {
public:
    CArveloCalcSignOffDlg(const AppState& state, ProtocolSignOff& signOff);

    void onOpen() override;
    bool onKeyDown(Key key, int focusedControlId) override { return returnSaves(key, focusedControlId); }
    // A field's text longer than it can print whole is refused, not cut.
    bool acceptsTyping(int controlId, const std::u16string& text) const override;

private:
    void save() override;

    ProtocolSignOff& signOff_;
};
