#include "ui/controls/kr_multi_line_edit.h"

#include "ui/controls/text_colours.h"

KrMultiLineEdit::KrMultiLineEdit(QWidget* parent) : QPlainTextEdit(parent)
{
    // Like the classic multi-line field: the text wraps and nothing scrolls by bar.
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    applyTextColours(*this, QPalette::Text, textColor_);
}

void KrMultiLineEdit::setTextColor(const QColor& color)
{
    textColor_ = color;
    applyTextColours(*this, QPalette::Text, textColor_);
}
