#pragma once

#include "resources/layouts/dialog_template.h"

// Dialog units are based on the template font: a quarter of its average
// character width across, an eighth of its height down. With the classic
// 8-point dialog font at 96 dpi that is 6 x 13 pixels per character; a
// high-dpi screen is scaled on top of this by the toolkit.
inline constexpr int kDialogBaseWidth = 6;
inline constexpr int kDialogBaseHeight = 13;

struct PixelRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

// x * 6 / 4 and y * 13 / 8, rounded to the nearest pixel, halves away from zero.
int horizontalDialogUnitsToPixels(int x);
int verticalDialogUnitsToPixels(int y);

// Each of the four numbers converted on its own, as a template is laid out.
PixelRect toPixels(const DialogRect& rect);
