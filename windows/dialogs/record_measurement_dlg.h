#pragma once

#include "windows/dialogs/settings_dialog.h"

#include <string>

// Asked before a reading is recorded: the presetting found on the valve
// (offered as designed, where the page does not take it), and whether an
// implausible reading is to be kept, with the reason. Save keeps the
// presetting as typed; Cancel records nothing.
class CArveloCalcRecordDlg : public SettingsDialog {
public:
    // An empty reason: the reading is plausible. askPresetting false: the
    // page took the presetting, the dialog only asks about the reading.
    // offScale: why the presetting typed before was not taken (its scale),
    // shown above the question; empty the first time.
    CArveloCalcRecordDlg(const AppState& state, bool askPresetting, std::u16string presetting,
                         std::u16string implausibleReason, std::u16string offScale = {});

    void onOpen() override;
    bool onKeyDown(Key key, int focusedControlId) override { return returnSaves(key, focusedControlId); }
    bool acceptsTyping(int controlId, const std::u16string& text) const override;
    // A point typed in the presetting becomes the decimal comma.
    void onTextChanged(int controlId) override;

    // The presetting as typed, once saved.
    const std::u16string& presetting() const { return presetting_; }

private:
    void save() override;

    bool askPresetting_;
    std::u16string presetting_;
    std::u16string implausibleReason_;
    std::u16string offScale_;
};
