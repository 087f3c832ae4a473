#include "qt/resources/program_fonts.h"
#include "qt/resources/register_application_fonts.h"

#include <QFile>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QFontMetricsF>
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

TEST(ApplicationFonts, EmbeddedTemplateFontIsCarlito)
{
    const int id = QFontDatabase::addApplicationFont(QStringLiteral(":/fonts/Carlito-Regular.ttf"));
    ASSERT_GE(id, 0);
    EXPECT_EQ(QFontDatabase::applicationFontFamilies(id), QStringList{QStringLiteral("Carlito")});
}

TEST(ApplicationFonts, RobotoCellOfFifteenPixelsIsAnEmOfElevenAndAThird)
{
    EXPECT_NEAR(emPixelsOfCell(15.0, (2146.0 + 555.0) / 2048.0), 11.373, 0.001);
}

// The layouts are measured in a 6 x 13 pixel character box: the average
// width over "A" to "z", rounded as the classic toolkit does, and the line
// height of the font that stands in for the layouts' own.
TEST(ApplicationFonts, TemplateFontHasTheLayoutsCharacterBox)
{
    const QFontMetricsF metrics(templateFont());
    const QString alphabet = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    const double average = (metrics.horizontalAdvance(alphabet) / 26.0 + 1.0) / 2.0;
    EXPECT_EQ(QFontInfo(templateFont()).family(), QStringLiteral("Carlito"));
    EXPECT_EQ(static_cast<int>(average), 6);
    EXPECT_NEAR(metrics.height(), 13.0, 0.5);
}

TEST(ApplicationFonts, ProgramFontsResolveToRobotoWithAFifteenPixelCell)
{
    struct Expected {
        QFont font;
        int weight;
    };
    for (const Expected& expected : {Expected{regularFont(), 400}, Expected{boldFont(), 700}}) {
        const QFontInfo info(expected.font);
        EXPECT_EQ(info.family(), QStringLiteral("Roboto"));
        // Qt reports whole pixels of the 11.37-pixel em.
        EXPECT_EQ(info.pixelSize(), 11);
        EXPECT_EQ(info.weight(), expected.weight);
        EXPECT_FALSE(info.italic());
    }
    // Bold is really another face: its strokes make the same text wider.
    const QString sample = QStringLiteral("Unit of measurement");
    EXPECT_GT(QFontMetrics(boldFont()).horizontalAdvance(sample),
              QFontMetrics(regularFont()).horizontalAdvance(sample));
}

} // namespace
