#include "qt/tools/gallery/sample_picture.h"

#include <QFont>
#include <QPainter>
#include <QPen>

namespace {

void drawSymbol(QPainter& painter, const QRect& area)
{
    // A white ring with a bar: the look of the button symbols.
    const int stroke = qMax(1, area.width() / 10);
    painter.setPen(QPen(Qt::white, stroke));
    painter.setBrush(Qt::NoBrush);
    const QRect ring = area.adjusted(stroke, stroke, -stroke, -stroke);
    painter.drawEllipse(ring);
    painter.drawLine(ring.center().x(), ring.top() + stroke * 2, ring.center().x(), ring.bottom() - stroke * 2);
}

void drawValve(QPainter& painter, const QRect& area)
{
    // A grey body between two pipe ends under a red hand-wheel.
    const int w = area.width();
    const int h = area.height();
    painter.setPen(QPen(QColor(60, 60, 60), qMax(1, w / 80)));
    painter.setBrush(QColor(170, 170, 175));
    painter.drawRect(area.left(), area.top() + h / 2, w, h / 6);
    painter.setBrush(QColor(120, 125, 135));
    painter.drawEllipse(area.left() + w / 4, area.top() + h * 3 / 8, w / 2, h * 3 / 8);
    painter.setBrush(QColor(200, 30, 40));
    painter.drawRect(area.left() + w / 3, area.top() + h / 8, w / 3, h / 6);
}

void writeId(QPainter& painter, const QRect& area, int imageId, const QColor& colour)
{
    QFont font(QStringLiteral("Roboto"));
    font.setPixelSize(qMax(6, area.height() / 6));
    painter.setFont(font);
    painter.setPen(colour);
    painter.drawText(area, Qt::AlignHCenter | Qt::AlignBottom, QStringLiteral("sample %1").arg(imageId));
}

} // namespace

QImage samplePicture(const PictureShowcase& showcase)
{
    QImage picture(showcase.pictureSize,
                   showcase.hasAlpha ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
    const bool transparent = showcase.kind == PictureKind::Symbol;
    picture.fill(transparent ? QColor(Qt::transparent) : QColor(Qt::white));
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRect area = picture.rect();
    switch (showcase.kind) {
    case PictureKind::Symbol:
        drawSymbol(painter, area);
        writeId(painter, area, showcase.imageId, Qt::white);
        break;
    case PictureKind::Banner:
        for (int x = 0; x < area.width(); x += area.height())
            drawValve(painter, QRect(x, area.height() / 8, area.height() * 3 / 4, area.height() * 3 / 4));
        writeId(painter, area, showcase.imageId, QColor(51, 102, 153));
        break;
    case PictureKind::Photo:
    case PictureKind::Icon:
        drawValve(painter, area);
        writeId(painter, area, showcase.imageId, Qt::black);
        break;
    }
    painter.end();
    return picture.convertToFormat(showcase.hasAlpha ? QImage::Format_ARGB32 : QImage::Format_RGB32);
}
