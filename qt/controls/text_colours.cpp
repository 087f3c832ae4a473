#include "qt/controls/text_colours.h"

#include <QColor>
#include <QWidget>

void applyTextColours(QWidget& control, QPalette::ColorRole textRole, const QColor& textColor)
{
    QPalette palette = control.palette();
    // Some styles fill read-only fields with Window instead of Base.
    palette.setColor(QPalette::Base, Qt::white);
    palette.setColor(QPalette::Window, Qt::white);
    palette.setColor(QPalette::Active, textRole, textColor);
    palette.setColor(QPalette::Inactive, textRole, textColor);
    control.setPalette(palette);
}
