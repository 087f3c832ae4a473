#pragma once

#include "windows/dialogs/settings_dialog.h"

#include <array>
#include <string>

// The project preferences dialog: preferred and alternative model of each
// valve kind, the pressure-drop window of the fixed-orifice valve, the fluid.
// Only the kind shown at Save is written; the fluid is written on every Save.
class CArveloCalcSetupPrefsDlg : public SettingsDialog {
public:
    CArveloCalcSetupPrefsDlg(AppState& state, std::u16string title);

    void onOpen() override;
    void onSelectionChanged(int controlId) override;
    void onTextChanged(int controlId) override;

    // Rebuilds the model lists and the dP fields for the valve kind picked
    // in the valve type list, from what is stored: unsaved edits are lost.
    void refillPreferenceLists();

private:
    // A dP bound, edited in the pressure unit in force. A bound too large
    // for its field shows no number and is kept unless the user edits it.
    struct BoundField {
        int captionId;
        int captionText;
        int fieldId;
        float EngineSettings::*bound;
        std::string text;
        bool keepStored = false;
    };

    void save() override;
    void refillBound(BoundField& field, const std::u16string& unit);

    AppState& state_;
    std::array<BoundField, 2> bounds_;
};
