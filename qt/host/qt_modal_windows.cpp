#include "qt/host/qt_modal_windows.h"

#include "qt/host/window_host.h"

int QtModalWindows::runModal(WindowLogic& window)
{
    WindowHost host(window, owner_);
    if (window.dialogTemplate().resizable)
        host.setMinimumSize(host.size());
    else
        host.setFixedSize(host.size());
    return host.exec();
}
