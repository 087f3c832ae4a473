#pragma once

#include "paint/premultiply_alpha.h"

#include <QImage>

// A fresh premultiplied copy of a decoded picture, ready to be drawn source
// over. A picture without alpha channel (24-bit colour) counts as fully
// opaque. A null picture gives a null image.
QImage premultipliedPicture(const QImage& decoded, AlphaRounding rounding);
