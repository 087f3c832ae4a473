#include "qt/controls/draw_picture.h"

#include <QImage>
#include <QPainter>
#include <QRect>

void drawPicture(QPainter& painter, const PaintRect& target, const QImage& premultiplied)
{
    const QSize size(target.width, target.height);
    // Scaling the image itself averages every source pixel, where a scaling
    // draw samples only some: the banner, shrunk more than three times,
    // would look jagged.
    const QImage scaled = premultiplied.size() == size
                              ? premultiplied
                              : premultiplied.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    painter.drawImage(QPoint(target.left, target.top), scaled);
}
