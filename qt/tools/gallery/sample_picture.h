#pragma once

#include "qt/tools/gallery/picture_showcase.h"

#include <QImage>

// A stand-in drawn for a picture the gallery finds no resource for, with the
// size, alpha channel and colours of the real one and its id written on it,
// so that the controls can be looked at before the pictures exist.
QImage samplePicture(const PictureShowcase& showcase);
