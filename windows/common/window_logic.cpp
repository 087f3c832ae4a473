#include "windows/common/window_logic.h"

#include <utility>

WindowLogic::WindowLogic(const DialogTemplate& dialog, std::u16string caption)
    : dialog_(dialog), caption_(std::move(caption)), controls_(dialog)
{
}

bool WindowLogic::onKeyDown(Key key, int /*focusedControlId*/)
{
    if (key == Key::Escape)
        cancel();
    return true;
}

void WindowLogic::onCloseRequest() { cancel(); }
