#include "windows/common/window_geometry.h"

#include <algorithm>

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

ClientSize shownArea(const ClientSize& area, const ClientSize& content, int verticalBarWidth,
                     int horizontalBarHeight)
{
    bool horizontalBar = content.width > area.width;
    bool verticalBar = content.height > area.height;
    // Twice: each bar narrows the room the other axis has.
    for (int pass = 0; pass < 2; ++pass) {
        verticalBar = verticalBar || content.height > area.height - (horizontalBar ? horizontalBarHeight : 0);
        horizontalBar = horizontalBar || content.width > area.width - (verticalBar ? verticalBarWidth : 0);
    }
    return {area.width - (verticalBar ? verticalBarWidth : 0), area.height - (horizontalBar ? horizontalBarHeight : 0)};
}

std::optional<int> bannerShift(int savedWidth, int currentWidth)
{
    if (savedWidth == 0 || currentWidth == 0)
        return std::nullopt;
    return (currentWidth - savedWidth) / 2;
}

int bannerLeft(int templateLeft, int shiftSoFar) { return templateLeft + std::max(0, shiftSoFar); }
