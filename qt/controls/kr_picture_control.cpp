#include "qt/controls/kr_picture_control.h"

#include "qt/controls/draw_picture.h"
#include "paint/picture_control_geometry.h"
#include "paint/picture_id.h"
#include "qt/controls/premultiplied_picture.h"
#include "qt/controls/resource_picture_source.h"

#include <QPainter>
#include <QString>

KrPictureControl::KrPictureControl(QWidget* parent) : QWidget(parent), pictures_(&resourcePictures()) {}

void KrPictureControl::setImageId(int imageId)
{
    imageId_ = imageId;
    update();
}

void KrPictureControl::setPictureSource(PictureSource& source)
{
    pictures_ = &source;
    update();
}

void KrPictureControl::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    if (imageId_ == kNoPicture)
        return;

    // Decoded afresh at every paint: nothing is kept between paints.
    const QImage picture = premultipliedPicture(pictures_->decode(imageId_), AlphaRounding::Round);
    if (picture.isNull()) {
        painter.end();
        pictures_->reportUndrawable(*this, QStringLiteral("NULL in draw KrPictureControl"));
        return;
    }
    if (const auto target = pictureControlRect(width(), picture.width(), picture.height()))
        drawPicture(painter, *target, picture);
}
