#include "ui/main/window_geometry.h"

ClientSize clientSizeWithoutScrollBars(const PixelRect& windowInClient, const PixelRect& client,
                                       int verticalBarWidth, int horizontalBarHeight)
{
    ClientSize size{client.width, client.height};
    const int windowRight = windowInClient.x + windowInClient.width;
    const int windowBottom = windowInClient.y + windowInClient.height;
    if (windowRight - (client.x + client.width) >= verticalBarWidth)
        size.width += verticalBarWidth;
    if (windowBottom - (client.y + client.height) >= horizontalBarHeight)
        size.height += horizontalBarHeight;
    return size;
}

ClientSize scrolledContentSize(const ClientSize& client)
{
    return {static_cast<int>(1.2 * client.width), static_cast<int>(1.2 * client.height)};
}

std::optional<PixelRect> fitToScreen(const PixelRect& virtualScreen, int verticalBarWidth, const ClientSize& client)
{
    const PixelRect usable{virtualScreen.x, virtualScreen.y, virtualScreen.width,
                           virtualScreen.height - 2 * verticalBarWidth};
    if (usable.width < client.width || usable.height < client.height)
        return usable;
    return std::nullopt;
}

std::optional<int> bannerShift(int savedWidth, int currentWidth)
{
    if (savedWidth == 0 || currentWidth == 0)
        return std::nullopt;
    return (currentWidth - savedWidth) / 2;
}
