#include "qt/app/arvelo_calc_app.h"

#include "qt/resources/register_application_fonts.h"
#include "qt/resources/program_icon.h"
#include "qt/host/program_window.h"

#include <filesystem>

CArveloCalcApp::CArveloCalcApp(int& argc, char** argv) : QApplication(argc, argv)
{
    // The settings key the program has always registered; nothing is stored under it.
    setOrganizationName(QStringLiteral("Local AppWizard-Generated Applications"));
    setApplicationName(QStringLiteral("Arvelo Rezu"));
    // Lets a Wayland desktop match the window to its menu entry and icon.
    setDesktopFileName(QStringLiteral("com.arvelo.rezu"));
    setWindowIcon(programIcon());
    registerApplicationFonts();
}

int CArveloCalcApp::initInstance()
{
    ProgramWindow mainWindow(state_, db_);
    folders_ = mainWindow.start(std::filesystem::current_path());
    return mainWindow.host().exec();
}
