#include "qt/controls/kr_multi_line_edit.h"

#include "qt/controls/text_colours.h"

#include <QFontMetrics>
#include <QTextBlockFormat>
#include <QTextCursor>

KrMultiLineEdit::KrMultiLineEdit(QWidget* parent) : QTextEdit(parent)
{
    setAcceptRichText(false);
    // Like the classic multi-line field: the text wraps and nothing scrolls by bar.
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // The classic field starts its text a pixel from its edge.
    document()->setDocumentMargin(1);
    applyTextColours(*this, QPalette::Text, textColor_);
}

void KrMultiLineEdit::setTextColor(const QColor& color)
{
    textColor_ = color;
    applyTextColours(*this, QPalette::Text, textColor_);
}

void KrMultiLineEdit::showText(const QString& text)
{
    setPlainText(text);
    QTextBlockFormat cellHigh;
    cellHigh.setLineHeight(QFontMetrics(font()).height(), QTextBlockFormat::FixedHeight);
    QTextCursor all(document());
    all.select(QTextCursor::Document);
    all.mergeBlockFormat(cellHigh);
}
