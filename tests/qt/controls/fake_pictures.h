#pragma once

#include "qt/controls/picture_source.h"

#include <QColor>
#include <QImage>
#include <QString>
#include <map>
#include <vector>

// Pictures made by the test, and a record of every reported failure.
class FakePictures : public PictureSource {
public:
    void add(int imageId, const QImage& picture) { pictures_[imageId] = picture; }

    QImage decode(int imageId) const override
    {
        const auto found = pictures_.find(imageId);
        return found == pictures_.end() ? QImage() : found->second;
    }

    void reportUndrawable(QWidget&, const QString& message) override { reports.push_back(message); }

    std::vector<QString> reports;

private:
    std::map<int, QImage> pictures_;
};

// A picture of one straight-alpha colour.
inline QImage solidPicture(int width, int height, QColor color)
{
    QImage picture(width, height, QImage::Format_ARGB32);
    picture.fill(color);
    return picture;
}
