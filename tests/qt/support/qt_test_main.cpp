#include "qt/resources/register_application_fonts.h"

#include <QApplication>
#include <QByteArray>
#include <QThreadPool>
#include <QtGlobal>

#include <gtest/gtest.h>

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/lsan_interface.h>
#endif

namespace {

int runTests(int argc, char** argv)
{
    QApplication app(argc, argv);
    // Text is measured in the program's own font, whatever the machine has.
    if (!registerApplicationFonts())
        return 1;
    const int status = RUN_ALL_TESTS();
    // Qt's pooled threads (file dialogs, image readers) end here, not while
    // the process is torn down.
    QThreadPool::globalInstance()->waitForDone();
    return status;
}

} // namespace

int main(int argc, char** argv)
{
    // Test discovery runs this binary at build time, without the test's environment.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen"));
    testing::InitGoogleTest(&argc, argv);
    const int status = runTests(argc, argv);
#if defined(__SANITIZE_ADDRESS__)
    // The leak check runs now, with the application and its threads gone,
    // rather than at exit, where it would suspend threads that Qt's global
    // objects are still ending: its tracer does not always survive that.
    __lsan_do_leak_check();
#endif
    return status;
}
