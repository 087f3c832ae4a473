#include "qt/resources/register_application_fonts.h"

#include <QApplication>
#include <QByteArray>
#include <QtGlobal>

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    // Test discovery runs this binary at build time, without the test's environment.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen"));
    testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    // Text is measured in the program's own font, whatever the machine has.
    if (!registerApplicationFonts())
        return 1;
    return RUN_ALL_TESTS();
}
