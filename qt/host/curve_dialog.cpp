#include "qt/host/curve_dialog.h"

#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>
#include <QVBoxLayout>

CurveDialog::CurveDialog(const QString& caption, const QByteArray& svg, QWidget* parent) : QDialog(parent)
{
    setWindowTitle(caption);
    QSvgRenderer renderer(svg);
    const QSize size = renderer.defaultSize();
    // Sharp on a high-density screen: drawn at the screen's pixel ratio.
    const qreal ratio = devicePixelRatioF();
    QImage image(size * ratio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::white);
    QPainter painter(&image);
    renderer.render(&painter, QRectF(QPointF(0, 0), size));
    painter.end();

    auto* picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("curvePicture"));
    picture->setPixmap(QPixmap::fromImage(image));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(picture);
    setFixedSize(size);
}
