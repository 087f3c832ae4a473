#include "qt/tools/gallery/gallery_pictures.h"

#include "qt/tools/gallery/picture_showcase.h"
#include "qt/tools/gallery/sample_picture.h"
#include "qt/controls/resource_picture_source.h"

#include <QString>
#include <QWidget>

#include <cstdio>

QImage GalleryPictures::decode(int imageId) const
{
    QImage picture = resourcePictures().decode(imageId);
    if (!picture.isNull())
        return picture;
    for (const PictureShowcase& showcase : pictureShowcases()) {
        if (showcase.imageId == imageId) {
            sampled_.insert(imageId);
            return samplePicture(showcase);
        }
    }
    return {};
}

void GalleryPictures::reportUndrawable(QWidget& control, const QString& message)
{
    std::fprintf(stderr, "%s: %s\n", qPrintable(control.objectName()), qPrintable(message));
}
