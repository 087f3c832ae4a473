#pragma once

#include "app/startup.h"
#include "windows/main/arvelo_calc_dlg.h"
#include "qt/host/main_window_host.h"
#include "qt/host/message_box_messages.h"
#include "qt/host/qt_curve_windows.h"
#include "qt/host/qt_modal_windows.h"
#include "qt/host/qt_protocol_printer.h"
#include "qt/host/qt_save_file_chooser.h"
#include "qt/host/qt_translations.h"

#include <filesystem>
#include <memory>

struct AppState;
class ProductDb;

// The main window with everything it talks to: message boxes, the settings
// dialogs, the save-file dialog, the protocol printer and the curve window;
// Qt's own texts follow the program's language.
// Made before start-up, as the program makes it; start() runs start-up in a working folder and builds the window.
class ProgramWindow {
public:
    // Tests and tools ask for Qt's own save-file dialog, which they can fill in.
    ProgramWindow(AppState& state, ProductDb& db, bool nativeFileDialog = true);

    WorkingFolders start(const std::filesystem::path& workingFolder);

    CArveloCalcDlg& logic() { return logic_; }
    // After start().
    MainWindowHost& host() { return *host_; }

private:
    AppState& state_;
    ProductDb& db_;
    MessageBoxMessages messages_;
    QtModalWindows windows_;
    QtTranslations translations_;
    LanguageFollowingWindows followingWindows_;
    QtSaveFileChooser files_;
    QtProtocolPrinter protocols_;
    QtCurveWindows curves_;
    CArveloCalcDlg logic_;
    std::unique_ptr<MainWindowHost> host_;
};
