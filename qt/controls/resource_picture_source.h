#pragma once

#include "qt/controls/picture_source.h"

// The program's pictures, embedded as ":/images/<id>.png". A picture that
// cannot be drawn is reported in a message box with an OK button, opened
// right after the paint that needed it: a modal box cannot run inside a
// paint event, whose painter is still open on the window.
class ResourcePictureSource : public PictureSource {
public:
    QImage decode(int imageId) const override;
    void reportUndrawable(QWidget& control, const QString& message) override;
};

// The one the controls use unless they are given another.
PictureSource& resourcePictures();
