#include "qt/host/qt_modal_windows.h"

#include "qt/host/window_host.h"

int QtModalWindows::runModal(WindowLogic& window)
{
    WindowHost host(window, owner_);
    // A resizable window sets its own least size, from the screen it is on.
    if (!window.dialogTemplate().resizable)
        host.setFixedSize(host.size());
    return host.exec();
}
