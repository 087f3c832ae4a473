#include "qt/resources/program_fonts.h"

#include <QGuiApplication>
#include <QScreen>
#include <QString>

namespace {

// Roboto's Windows ascent and descent over its units per em.
constexpr double kRobotoCellPerEm = (2146.0 + 555.0) / 2048.0;
constexpr double kCellPixels = 15.0;
constexpr int kTemplateFontPixels = 11;

double logicalDpi()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->logicalDotsPerInchY() : 96.0;
}

QFont roboto(QFont::Weight weight)
{
    QFont font(QStringLiteral("Roboto"));
    // Qt sizes in whole pixels or in points; points keep the fraction.
    font.setPointSizeF(emPixelsOfCell(kCellPixels, kRobotoCellPerEm) * 72.0 / logicalDpi());
    font.setWeight(weight);
    return font;
}

} // namespace

double emPixelsOfCell(double cellPixels, double cellPerEm) { return cellPixels / cellPerEm; }

QFont regularFont() { return roboto(QFont::Normal); }

QFont boldFont() { return roboto(QFont::Bold); }

QFont templateFont()
{
    QFont font(QStringLiteral("Carlito"));
    font.setPixelSize(kTemplateFontPixels);
    return font;
}
