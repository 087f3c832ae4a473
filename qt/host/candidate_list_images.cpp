#include "qt/host/candidate_list_images.h"

#include "qt/controls/resource_picture_source.h"
#include "sizing/image_keys.h"

#include <QPixmap>

namespace {

constexpr int kListImageSize = 48;

} // namespace

QImage blackMadeTransparent(const QImage& picture)
{
    QImage image = picture.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            if ((line[x] & 0x00ffffffu) == 0)
                line[x] = 0;
    }
    return image;
}

QList<QIcon> candidateListImages()
{
    QList<QIcon> images;
    for (const ImageKey& key : kImageKeys) {
        const QImage picture = resourcePictures().decode(key.listImage);
        images << QIcon(QPixmap::fromImage(
            blackMadeTransparent(picture).scaled(kListImageSize, kListImageSize, Qt::IgnoreAspectRatio,
                                                 Qt::SmoothTransformation)));
    }
    return images;
}
