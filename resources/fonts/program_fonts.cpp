#include "resources/fonts/program_fonts.h"

#include <QString>

namespace {

QFont roboto(QFont::Weight weight)
{
    QFont font(QStringLiteral("Roboto"));
    font.setPixelSize(15);
    font.setWeight(weight);
    return font;
}

} // namespace

QFont regularFont() { return roboto(QFont::Normal); }

QFont boldFont() { return roboto(QFont::Bold); }
