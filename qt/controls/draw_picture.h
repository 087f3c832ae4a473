#pragma once

#include "paint/paint_rect.h"

class QImage;
class QPainter;

// Draws a premultiplied picture source over whatever is drawn, scaled into
// target.
void drawPicture(QPainter& painter, const PaintRect& target, const QImage& premultiplied);
