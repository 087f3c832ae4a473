#pragma once

// A rectangle in pixels relative to a control's top-left corner.
struct PaintRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    bool operator==(const PaintRect& other) const
    {
        return left == other.left && top == other.top && width == other.width && height == other.height;
    }
};
