#pragma once

#include "paint/paint_rect.h"

#include <optional>

// Where a KrPictureControl draws its picture: scaled to the control's width
// with a margin of 0.2 per cent. The control's height plays no part, so a
// tall picture is cut off at the bottom and a flat one leaves white below.
// Nothing for an empty picture or when the result would be empty.
std::optional<PaintRect> pictureControlRect(int controlWidth, int pictureWidth, int pictureHeight);
