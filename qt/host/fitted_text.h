#pragma once

#include <QFont>
#include <QSize>
#include <QString>

// A caption as it fits its box: whole when it does, else cut at the end of
// the last line the box holds and closed with an ellipsis, so that a long
// translation never disappears unseen (the whole text then goes into the
// tooltip).
struct FittedText {
    QString shown;
    bool whole = true;
};

// wordWrap: the text breaks at blanks onto as many lines as the box's
// height holds; otherwise it stays on one line.
FittedText fitText(const QString& text, const QFont& font, const QSize& box, bool wordWrap);
