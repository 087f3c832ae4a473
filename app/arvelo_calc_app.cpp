#include "app/arvelo_calc_app.h"

#include "resources/fonts/register_application_fonts.h"
#include "resources/images/program_icon.h"
#include "ui/message_box_messages.h"

#include <QDialog>
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

void CArveloCalcApp::initInstance()
{
    QDialog mainWindow;
    mainWindow.setWindowTitle(QStringLiteral("Arvelo Rezu"));
    mainWindow.resize(1280, 766);

    MessageBoxMessages messages;
    folders_ = runStartup(state_, db_, messages, std::filesystem::current_path());
    mainWindow.exec();
}
