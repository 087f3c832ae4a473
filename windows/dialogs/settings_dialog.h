#pragma once

#include "app/app_state.h"
#include "windows/common/window_logic.h"

#include <string>
#include <vector>

// What the four settings dialogs share: texts from the table in the language
// in force, Save and Cancel buttons with the regular font, Cancel ending with
// 0 and writing nothing, Save writing the dialog's values and ending with 1.
class SettingsDialog : public WindowLogic {
public:
    void onClick(int controlId) override;

protected:
    SettingsDialog(const DialogTemplate& dialog, std::u16string title, const AppState& state, int saveId,
                   int cancelId);

    // Takes the controls' values and ends the dialog.
    virtual void save() = 0;

    // The keys of the program's own small windows, which answer to them as
    // any dialog does: Return is Save (Cancel where Cancel has the focus, a
    // new line in a field of several lines), Escape is Cancel. The settings
    // dialogs swallow Return.
    bool returnSaves(Key key, int focusedControlId);

    // A text of the table in the current language.
    std::u16string text(int id) const;
    // count consecutive texts of the table, from firstId on.
    std::vector<std::u16string> texts(int firstId, int count) const;
    // Sets a label's text and font.
    void setLabel(int controlId, int textId, ControlFont font);
    void setLabel(int controlId, std::u16string text, ControlFont font);
    void showSaveAndCancel();

private:
    const AppState& readState_;
    int saveId_;
    int cancelId_;
};
