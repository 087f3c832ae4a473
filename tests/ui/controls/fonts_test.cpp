#include "resources/fonts/program_fonts.h"
#include "resources/fonts/register_application_fonts.h"

#include <QFile>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QString>

#include <gtest/gtest.h>

namespace {

TEST(ApplicationFonts, EmbeddedFilesAreRobotoFonts)
{
    for (const char* file : {":/fonts/Roboto-Regular.ttf", ":/fonts/Roboto-Bold.ttf"}) {
        const int id = QFontDatabase::addApplicationFont(QString::fromLatin1(file));
        ASSERT_GE(id, 0) << file;
        EXPECT_EQ(QFontDatabase::applicationFontFamilies(id), QStringList{QStringLiteral("Roboto")}) << file;
    }
}

TEST(ApplicationFonts, RegistrationSucceeds)
{
    // The test program registered them once already; adding them again is harmless.
    EXPECT_TRUE(registerApplicationFonts());
}

TEST(ApplicationFonts, ProgramFontsResolveToRobotoAtFifteenPixels)
{
    struct Expected {
        QFont font;
        int weight;
    };
    for (const Expected& expected : {Expected{regularFont(), 400}, Expected{boldFont(), 700}}) {
        const QFontInfo info(expected.font);
        EXPECT_EQ(info.family(), QStringLiteral("Roboto"));
        EXPECT_EQ(info.pixelSize(), 15);
        EXPECT_EQ(info.weight(), expected.weight);
        EXPECT_FALSE(info.italic());
    }
    // Bold is really another face: its strokes make the same text wider.
    const QString sample = QStringLiteral("Unit of measurement");
    EXPECT_GT(QFontMetrics(boldFont()).horizontalAdvance(sample),
              QFontMetrics(regularFont()).horizontalAdvance(sample));
}

} // namespace
