#pragma once

#include "windows/common/window_logic.h"

// The About box: program name, version and maker, and an OK button. Unlike
// the settings dialogs, Return presses its default button.
class CAboutDlg : public WindowLogic {
public:
    CAboutDlg();

    void onClick(int controlId) override;
    bool onKeyDown(Key key, int focusedControlId) override;

protected:
    void cancel() override { end(kResultCancel); }
};
