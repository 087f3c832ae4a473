#include "windows/common/content_scroller.h"

#include <algorithm>
#include <cstdlib>

namespace {

ScrollBarSetup setUpAxis(int client, int content, int& visible, int& offset)
{
    if (client < content) {
        visible = client;
        offset = std::min(offset, content - client);
        return {true, content - 1, client};
    }
    visible = 0;
    offset = 0;
    return {};
}

int scrollAxis(ScrollRequest request, int trackPosition, int visible, int content, int& offset)
{
    int delta = 0;
    switch (request) {
    case ScrollRequest::LineBack: delta = -ContentScroller::lineStep; break;
    case ScrollRequest::LineForward: delta = ContentScroller::lineStep; break;
    case ScrollRequest::PageBack: delta = -visible; break;
    case ScrollRequest::PageForward: delta = visible; break;
    case ScrollRequest::Thumb: delta = trackPosition - offset; break;
    case ScrollRequest::Other: return 0;
    }
    if (offset + delta > content - visible)
        delta = content - visible - offset;
    else if (offset + delta < 0)
        delta = -offset;
    offset += delta;
    return delta;
}

} // namespace

ContentScroller::Bars ContentScroller::setContentSize(int width, int height, int clientWidth, int clientHeight)
{
    contentWidth = width;
    contentHeight = height;
    return {setUpAxis(clientWidth, width, visibleWidth, offsetX),
            setUpAxis(clientHeight, height, visibleHeight, offsetY)};
}

ContentScroller::Bars ContentScroller::setVisibleSize(int width, int height)
{
    return setContentSize(contentWidth, contentHeight, width, height);
}

int ContentScroller::scrollHorizontal(ScrollRequest request, int trackPosition)
{
    return scrollAxis(request, trackPosition, visibleWidth, contentWidth, offsetX);
}

int ContentScroller::scrollVertical(ScrollRequest request, int trackPosition)
{
    return scrollAxis(request, trackPosition, visibleHeight, contentHeight, offsetY);
}

std::optional<std::vector<ScrollRequest>> wheelRequests(int z, std::optional<int> linesPerNotch,
                                                        bool barRangeEmpty)
{
    if (barRangeEmpty)
        return std::nullopt;
    const bool up = z > 0;
    if (!linesPerNotch)
        return std::vector<ScrollRequest>{up ? ScrollRequest::PageBack : ScrollRequest::PageForward};
    const int lines = std::abs(z) / 120 * *linesPerNotch;
    const int steps = lines >= 6 ? lines / 3 : 1;
    return std::vector<ScrollRequest>(static_cast<std::size_t>(steps),
                                      up ? ScrollRequest::LineBack : ScrollRequest::LineForward);
}

std::optional<WheelTurn> wheelTurn(int zHorizontal, int zVertical)
{
    if (zVertical != 0)
        return WheelTurn{false, zVertical};
    if (zHorizontal != 0)
        return WheelTurn{true, zHorizontal};
    return std::nullopt;
}

int offsetShowing(int offset, int visible, int start, int size)
{
    if (visible == 0 || (start >= offset && start + size <= offset + visible))
        return offset;
    if (start < offset || size > visible)
        return start;
    return start + size - visible;
}
