#include "qt/controls/kr_group_frame.h"

#include <QFontMetrics>
#include <QPainter>

namespace {

// The caption starts this far from the frame's left edge.
constexpr int kCaptionIndent = 8;
const QColor kOutline(160, 160, 160);

} // namespace

KrGroupFrame::KrGroupFrame(QWidget* parent) : QWidget(parent) {}

void KrGroupFrame::setTitle(const QString& title)
{
    if (title == title_)
        return;
    title_ = title;
    setAccessibleName(title);
    update();
}

QSize KrGroupFrame::captionSpace() const
{
    return {width() - 2 * kCaptionIndent - 4, QFontMetrics(font()).height()};
}

void KrGroupFrame::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QFontMetrics metrics(font());
    const int lineY = metrics.height() / 2;
    painter.setPen(kOutline);
    painter.drawRect(QRect(0, lineY, width() - 1, height() - 1 - lineY));
    if (title_.isEmpty())
        return;
    const QRect caption(kCaptionIndent, 0, metrics.horizontalAdvance(title_) + 4, metrics.height());
    painter.fillRect(caption, Qt::white);
    painter.setPen(isEnabled() ? Qt::black : palette().color(QPalette::Disabled, QPalette::WindowText));
    painter.drawText(caption, Qt::AlignCenter | Qt::TextSingleLine, title_);
}
