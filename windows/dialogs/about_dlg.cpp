#include "windows/dialogs/about_dlg.h"

#include "resources/layouts/dialog_templates.h"

namespace {

constexpr int kOkButton = 1;

} // namespace

CAboutDlg::CAboutDlg() : WindowLogic(aboutBoxTemplate(), std::u16string(aboutBoxTemplate().caption)) {}

void CAboutDlg::onClick(int controlId)
{
    if (controlId == kOkButton)
        end(kResultOk);
}

bool CAboutDlg::onKeyDown(Key key, int focusedControlId)
{
    if (key == Key::Return) {
        end(kResultOk);
        return true;
    }
    return WindowLogic::onKeyDown(key, focusedControlId);
}
