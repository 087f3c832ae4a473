#include "qt/controls/kr_button.h"

#include "paint/button_geometry.h"
#include "qt/controls/draw_picture.h"
#include "qt/controls/premultiplied_picture.h"
#include "qt/controls/resource_picture_source.h"

#include <QPainter>
#include <QString>

namespace {

const QColor kSelectionOrange(255, 105, 0);

} // namespace

KrButton::KrButton(QWidget* parent) : QAbstractButton(parent), pictures_(&resourcePictures())
{
    // Owner-drawn buttons are never tab stops; a click still focuses them.
    setFocusPolicy(Qt::ClickFocus);
}

void KrButton::setSelected(int selected)
{
    selected_ = selected;
    update();
}

void KrButton::setBackColor(const QColor& color)
{
    backColor_ = color;
    update();
}

void KrButton::setTextColor(const QColor& color)
{
    textColor_ = color;
    update();
}

void KrButton::setImageId(int imageId)
{
    imageId_ = imageId;
    update();
}

void KrButton::setImageMode(int imageMode)
{
    imageMode_ = imageMode;
    update();
}

void KrButton::setPictureSource(PictureSource& source)
{
    pictures_ = &source;
    update();
}

void KrButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const int inset = selectionInset(selected_);
    painter.fillRect(rect(), kSelectionOrange);
    painter.fillRect(rect().adjusted(inset, inset, -inset, -inset), backColor_);

    int pictureWidth = 0;
    bool undrawable = false;
    if (imageId_ != kNoPicture) {
        // Decoded afresh at every paint: nothing is kept between paints.
        const QImage picture = premultipliedPicture(pictures_->decode(imageId_), AlphaRounding::Truncate);
        if (picture.isNull()) {
            undrawable = true;
        } else {
            pictureWidth = picture.width();
            const auto target =
                buttonPictureRect(imageMode_, width(), height(), picture.width(), picture.height(), inset);
            if (target)
                drawPicture(painter, *target, picture);
        }
    }
    drawText(painter, pictureWidth);
    painter.end();

    if (undrawable)
        pictures_->reportUndrawable(*this, QStringLiteral("NULL in draw KrButton"));
}

void KrButton::drawText(QPainter& painter, int pictureWidth)
{
    const TextSpan span = buttonTextSpan(width(), pictureWidth, imageId_);
    if (text().isEmpty() || span.right <= span.left)
        return;
    const QRect line(span.left, 0, span.right - span.left, height());
    const int flags = Qt::TextSingleLine | Qt::AlignVCenter | (span.centred ? Qt::AlignHCenter : Qt::AlignLeft);
    painter.setClipRect(line);
    painter.setFont(font());
    // A text longer than its span ends in an ellipsis and shows whole as the
    // button's tooltip, rather than being cut off unseen.
    const QString shown = painter.fontMetrics().elidedText(text(), Qt::ElideRight, line.width());
    setToolTip(shown == text() ? QString() : text());
    // The text sits on its own cells of background colour, as opaque text does.
    painter.fillRect(painter.fontMetrics().boundingRect(line, flags, shown), backColor_);
    painter.setPen(textColor_);
    painter.drawText(line, flags, shown);
}
