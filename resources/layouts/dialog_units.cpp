#include "resources/layouts/dialog_units.h"

namespace {

int roundedQuotient(int numerator, int denominator)
{
    const int half = denominator / 2;
    return (numerator >= 0 ? numerator + half : numerator - half) / denominator;
}

} // namespace

int horizontalDialogUnitsToPixels(int x) { return roundedQuotient(x * kDialogBaseWidth, 4); }

int verticalDialogUnitsToPixels(int y) { return roundedQuotient(y * kDialogBaseHeight, 8); }

PixelRect toPixels(const DialogRect& rect)
{
    return {horizontalDialogUnitsToPixels(rect.x), verticalDialogUnitsToPixels(rect.y),
            horizontalDialogUnitsToPixels(rect.width), verticalDialogUnitsToPixels(rect.height)};
}
