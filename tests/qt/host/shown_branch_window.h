#pragma once

#include "tests/support/answered_windows.h"
#include "tests/support/recorded_messages.h"
#include "qt/host/qt_modal_windows.h"
#include "qt/host/window_host.h"
#include "windows/branch/branch_window.h"

#include <QApplication>

// The branch window in the generic host, shown over the main window and
// active, with its messages recorded and its files answered.
struct ShownBranchWindow {
    ShownBranchWindow(AppState& state, ProductDb& db, QWidget& owner)
        : window(state, db, {messages, windows, files, {}}, u"Balance branch"), host(window, &owner)
    {
        host.open();
        host.show();
        QApplication::setActiveWindow(&host);
        QApplication::processEvents();
    }

    RecordedMessages messages;
    QtModalWindows windows;
    AnsweredSaveFile files;
    BranchWindow window;
    WindowHost host;
};
