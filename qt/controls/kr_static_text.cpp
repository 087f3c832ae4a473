#include "qt/controls/kr_static_text.h"

#include "qt/controls/text_colours.h"

KrStaticText::KrStaticText(QWidget* parent) : QLabel(parent)
{
    // Texts come from the text table and are never markup.
    setTextFormat(Qt::PlainText);
    setWordWrap(true);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setAutoFillBackground(true);
    // The roles are the label's own, whatever its parent uses: inside a
    // scrolled area the inherited ones would be the field colours.
    setBackgroundRole(QPalette::Window);
    setForegroundRole(QPalette::WindowText);
    applyTextColours(*this, QPalette::WindowText, textColor_);
}

void KrStaticText::setTextColor(const QColor& color)
{
    textColor_ = color;
    applyTextColours(*this, QPalette::WindowText, textColor_);
}
