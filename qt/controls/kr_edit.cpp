#include "qt/controls/kr_edit.h"

#include "qt/controls/text_colours.h"

KrEdit::KrEdit(QWidget* parent) : QLineEdit(parent) { applyTextColours(*this, QPalette::Text, textColor_); }

void KrEdit::setTextColor(const QColor& color)
{
    textColor_ = color;
    applyTextColours(*this, QPalette::Text, textColor_);
}
