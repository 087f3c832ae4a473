// The main() of the window-on-a-screen tests: offscreen, on one screen of
// the size REZU_TEST_SCREEN names (WIDTHxHEIGHT, 1024x600 when unset), with
// the program's fonts registered.

#include "qt/resources/register_application_fonts.h"

#include <QApplication>
#include <QByteArray>
#include <QFile>
#include <QTemporaryDir>
#include <QtGlobal>

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    QByteArray size = qgetenv("REZU_TEST_SCREEN");
    if (size.isEmpty())
        size = "1024x600";
    const QList<QByteArray> sides = size.split('x');
    if (sides.size() != 2)
        return 2;
    QTemporaryDir folder;
    const QString config = folder.filePath(QStringLiteral("screen.json"));
    QFile file(config);
    if (!folder.isValid() || !file.open(QIODevice::WriteOnly))
        return 1;
    file.write(R"({"screens": [{"name": "test", "x": 0, "y": 0, "width": )" + sides[0] + R"(, "height": )" +
               sides[1] + R"(, "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})");
    file.close();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + config.toLocal8Bit());
    testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    if (!registerApplicationFonts())
        return 1;
    return RUN_ALL_TESTS();
}
