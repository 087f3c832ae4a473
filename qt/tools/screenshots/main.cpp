// arvelo-screenshots OUTDIR CATALOGUE: starts the real main window offscreen
// on a fresh working folder holding a copy of the catalogue, walks through
// its pages and dialogs as a user would, and saves a PNG of each step, for
// review without a display; then, in a second run of itself on a laptop's
// small screen, the window scrolled to its bottom-right corner.

#include "app/app_state.h"
#include "db/product_db.h"
#include "qt/resources/register_application_fonts.h"
#include "qt/tools/screenshots/screenshot_walk.h"

#include <QApplication>
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtGlobal>

#include <cstdio>
#include <filesystem>

namespace {

const QByteArray kLargeScreen = R"({"screens": [{"name": "review", "x": 0, "y": 0, "width": 1600, "height": 1000,
 "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})";
const QByteArray kSmallScreen = R"({"screens": [{"name": "laptop", "x": 0, "y": 0, "width": 1024, "height": 600,
 "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})";

// Set for the second run: the offscreen platform takes its screens at start.
const char* const kSmallScreenRun = "REZU_SCREENSHOTS_SMALL_SCREEN";

bool useScreen(const QTemporaryDir& folder, const QByteArray& screen)
{
    const QString config = folder.filePath(QStringLiteral("screen.json"));
    QFile file(config);
    if (!folder.isValid() || !file.open(QIODevice::WriteOnly) || file.write(screen) != screen.size())
        return false;
    file.close();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + config.toLocal8Bit());
    return true;
}

bool smallScreenRun(char** argv)
{
    QProcess run;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QString::fromLatin1(kSmallScreenRun), QStringLiteral("1"));
    run.setProcessEnvironment(environment);
    run.setProcessChannelMode(QProcess::ForwardedChannels);
    run.start(QCoreApplication::applicationFilePath(),
              {QString::fromLocal8Bit(argv[1]), QString::fromLocal8Bit(argv[2])});
    return run.waitForFinished(-1) && run.exitStatus() == QProcess::NormalExit && run.exitCode() == 0;
}

} // namespace

int main(int argc, char** argv)
{
    // Offscreen, on a screen as large as an engineer's, so that the window
    // opens at its own size rather than fitted to a small screen.
    const bool smallScreen = qEnvironmentVariableIsSet(kSmallScreenRun);
    QTemporaryDir screenFolder;
    if (smallScreen && !useScreen(screenFolder, kSmallScreen))
        return 1;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        useScreen(screenFolder, kLargeScreen);
    QApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: arvelo-screenshots OUTDIR CATALOGUE\n");
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    QTemporaryDir workingFolder;
    if (!QDir().mkpath(out.path()) || !workingFolder.isValid() || !registerApplicationFonts()) {
        std::fprintf(stderr, "Cannot prepare %s\n", argv[1]);
        return 1;
    }
    const std::filesystem::path work = workingFolder.path().toStdString();
    std::filesystem::create_directory(work / "DB");
    std::error_code failed;
    std::filesystem::copy_file(argv[2], work / "DB" / "mvd.db", failed);
    if (failed) {
        std::fprintf(stderr, "Cannot copy the catalogue %s: %s\n", argv[2], failed.message().c_str());
        return 1;
    }
    if (smallScreen)
        return walkCornerAndSave(work, out.path().toStdString()) ? 0 : 1;
    const bool saved = walkAndSave(work, out.path().toStdString());
    return smallScreenRun(argv) && saved ? 0 : 1;
}
