#include "app/arvelo_calc_app.h"

#include "resources/fonts/register_application_fonts.h"
#include "resources/images/program_icon.h"
#include "ui/main/arvelo_calc_dlg.h"
#include "ui/main_window_host.h"
#include "ui/message_box_messages.h"
#include "ui/qt_modal_windows.h"
#include "ui/qt_save_file_chooser.h"

#include <filesystem>

CArveloCalcApp::CArveloCalcApp(int& argc, char** argv) : QApplication(argc, argv)
{
    // The settings key the program has always registered; nothing is stored under it.
    setOrganizationName(QStringLiteral("Local AppWizard-Generated Applications"));
    setApplicationName(QStringLiteral("Arvelo Rezu"));
    // Lets a Wayland desktop match the window to the installed menu entry and icon.
    setDesktopFileName(QStringLiteral("com.arvelo.Rezu"));
    setWindowIcon(programIcon());
    registerApplicationFonts();
}

int CArveloCalcApp::initInstance()
{
    MessageBoxMessages messages;
    QtModalWindows windows;
    QtSaveFileChooser files;
    CArveloCalcDlg mainWindow(state_, db_, {messages, windows, files, {}});

    folders_ = runStartup(state_, db_, messages, std::filesystem::current_path());
    mainWindow.setExportFolder(folders_.exportFolder);

    MainWindowHost host(mainWindow);
    messages.setParent(&host);
    windows.setOwner(&host);
    files.setOwner(&host);
    return host.exec();
}
