#pragma once

#include <QImage>

class QString;
class QWidget;

// Where the owner-drawn controls get their pictures, and whom they tell
// about a picture they cannot draw. The program uses resourcePictures();
// tests hand in their own pictures and record the reports.
class PictureSource {
public:
    virtual ~PictureSource() = default;

    // The picture with this resource id, decoded; a null image when there is
    // none or it cannot be decoded.
    virtual QImage decode(int imageId) const = 0;

    // Called once for every paint of a control that needed a picture it could
    // not draw. Must not block: the control is in the middle of painting.
    virtual void reportUndrawable(QWidget& control, const QString& message) = 0;
};
