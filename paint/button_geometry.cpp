#include "paint/button_geometry.h"

#include <algorithm>

namespace {

constexpr int kSelectionFrame = 3;

std::optional<PaintRect> nonEmpty(const PaintRect& rect)
{
    if (rect.width <= 0 || rect.height <= 0)
        return std::nullopt;
    return rect;
}

PaintRect scaledToWidth(int buttonWidth, int pictureWidth, int pictureHeight, int inset)
{
    const float aspect = static_cast<float>(pictureWidth) / static_cast<float>(pictureHeight);
    const int scaledHeight = static_cast<int>(static_cast<float>(buttonWidth) / aspect);
    const int marginX = buttonWidth * 50 / 1000 + inset;
    const int marginY = scaledHeight * 50 / 1000 + inset;
    return {marginX, marginY, buttonWidth - 2 * marginX, scaledHeight - 2 * marginY};
}

PaintRect atOwnSize(int buttonWidth, int buttonHeight, int pictureWidth, int pictureHeight)
{
    return {pictureWidth / 4, (buttonHeight - pictureHeight) / 2, std::min(pictureWidth, buttonWidth),
            std::min(pictureHeight, buttonHeight)};
}

} // namespace

int selectionInset(int selected) { return selected == 1 ? kSelectionFrame : 0; }

std::optional<PaintRect> buttonPictureRect(int imageMode, int buttonWidth, int buttonHeight,
                                           int pictureWidth, int pictureHeight, int inset)
{
    if (pictureWidth <= 0 || pictureHeight <= 0)
        return std::nullopt;
    switch (imageMode) {
    case 0:
        return nonEmpty(atOwnSize(buttonWidth, buttonHeight, pictureWidth, pictureHeight));
    case 1:
        return nonEmpty(scaledToWidth(buttonWidth, pictureWidth, pictureHeight, inset));
    default:
        return std::nullopt;
    }
}

TextSpan buttonTextSpan(int buttonWidth, int pictureWidth, int imageId)
{
    return {pictureWidth + pictureWidth / 2, buttonWidth - pictureWidth / 4, imageId == kNoPicture};
}
