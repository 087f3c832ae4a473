#include "paint/picture_control_geometry.h"

std::optional<PaintRect> pictureControlRect(int controlWidth, int pictureWidth, int pictureHeight)
{
    if (pictureWidth <= 0 || pictureHeight <= 0)
        return std::nullopt;
    const float aspect = static_cast<float>(pictureWidth) / static_cast<float>(pictureHeight);
    const int scaledHeight = static_cast<int>(static_cast<float>(controlWidth) / aspect);
    const int marginX = 2 * controlWidth / 1000;
    const int marginY = 2 * scaledHeight / 1000;
    const PaintRect rect{marginX, marginY, controlWidth - 2 * marginX, scaledHeight - 2 * marginY};
    if (rect.width <= 0 || rect.height <= 0)
        return std::nullopt;
    return rect;
}
