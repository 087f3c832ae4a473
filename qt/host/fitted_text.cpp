#include "qt/host/fitted_text.h"

#include <QFontMetrics>
#include <QTextLayout>

#include <algorithm>

namespace {

FittedText oneLine(const QString& text, const QFontMetrics& metrics, int width)
{
    const QString shown = metrics.elidedText(text, Qt::ElideRight, width);
    return {shown, shown == text};
}

} // namespace

FittedText fitText(const QString& text, const QFont& font, const QSize& box, bool wordWrap)
{
    const QFontMetrics metrics(font);
    if (!wordWrap || text.isEmpty())
        return oneLine(text, metrics, box.width());
    const int linesHeld = std::max(1, box.height() / metrics.lineSpacing());

    QTextLayout layout(text, font);
    QTextOption option;
    option.setWrapMode(QTextOption::WordWrap);
    layout.setTextOption(option);
    layout.beginLayout();
    QString shown;
    int lines = 0;
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(box.width());
        if (lines + 1 == linesHeld) {
            // The last line the box holds takes the rest of the text.
            const QString rest = text.mid(line.textStart());
            const FittedText last = oneLine(rest, metrics, box.width());
            layout.endLayout();
            return {shown + last.shown, last.whole && line.naturalTextWidth() <= box.width()};
        }
        shown += text.mid(line.textStart(), line.textLength());
        ++lines;
    }
    layout.endLayout();
    return {text, true};
}
