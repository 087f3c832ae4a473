#pragma once

#include "qt/tools/gallery/picture_showcase.h"

#include <QImage>
#include <vector>

class PictureSource;

// Sheets of controls in their states, rendered as the program would draw them.
QImage buttonSheet(PictureSource& pictures);
QImage pictureControlSheet(PictureSource& pictures);
QImage textControlSheet();

// One picture in the control that shows it in the program, and all of them
// on one sheet.
QImage showcaseImage(const PictureShowcase& showcase, PictureSource& pictures);
QImage showcaseSheet(const std::vector<PictureShowcase>& showcases, PictureSource& pictures);
