#pragma once

#include "paint/paint_rect.h"
#include "paint/picture_id.h"

#include <optional>

// Where a KrButton draws its frame, picture and text, in pixels from its
// top-left corner. Divisions cut toward zero; the aspect ratio is single
// precision.

// Width of the orange frame: 3 pixels when selected is 1, else none.
int selectionInset(int selected);

// The picture's destination for an image mode. 1 scales it to the button's
// width, leaving 5 per cent of that width and of the scaled height as margin
// inside the frame; 0 places it at its own size a quarter of its width from
// the left, centred vertically, squeezed into a smaller button. Nothing for
// any other mode, for an empty picture, or when the margins leave no room.
std::optional<PaintRect> buttonPictureRect(int imageMode, int buttonWidth, int buttonHeight,
                                           int pictureWidth, int pictureHeight, int inset);

// The horizontal span of the text line, from left up to right (exclusive),
// over the button's full height.
struct TextSpan {
    int left = 0;
    int right = 0;
    bool centred = false; // centred in the span, else left-aligned

    bool operator==(const TextSpan& other) const
    {
        return left == other.left && right == other.right && centred == other.centred;
    }
};

// The text starts one and a half picture widths from the left and ends a
// quarter picture width before the right edge. Only a button without a
// picture id centres it; one whose picture failed to load (w = 0) keeps
// the text left-aligned over the whole width.
TextSpan buttonTextSpan(int buttonWidth, int pictureWidth, int imageId);
