#pragma once

#include "qt/controls/picture_source.h"

#include <set>

// The program's pictures where they are embedded, drawn samples where not.
// A picture that cannot be drawn is reported on the standard error stream,
// as the gallery has nobody to show a message box to.
class GalleryPictures : public PictureSource {
public:
    QImage decode(int imageId) const override;
    void reportUndrawable(QWidget& control, const QString& message) override;

    // Ids for which a sample stood in.
    const std::set<int>& sampled() const { return sampled_; }

private:
    mutable std::set<int> sampled_;
};
