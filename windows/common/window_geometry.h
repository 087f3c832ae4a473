#pragma once

#include "resources/layouts/dialog_units.h"

#include <optional>

// The window arithmetic of the main window, in screen pixels.

struct ClientSize {
    int width = 0;
    int height = 0;
};

// The client size as if no scroll bars were shown: a bar's width (height)
// is added back when the window reaches at least that far beyond the client
// area on that side.
ClientSize clientSizeWithoutScrollBars(const PixelRect& windowInClient, const PixelRect& client,
                                       int verticalBarWidth, int horizontalBarHeight);

// The content the scroll bars cover: 1.2 times the client size, truncated.
ClientSize scrolledContentSize(const ClientSize& client);

// A window larger than the screen goes to the top-left corner of the virtual
// screen (all monitors), as large as its usable area: its height less twice
// a vertical scroll bar's width. Nothing when the window fits.
std::optional<PixelRect> fitToScreen(const PixelRect& virtualScreen, int verticalBarWidth, const ClientSize& client);

// What a scrolled area of the given size shows of content of the given
// size: the area less the bars the content needs (a bar taken by one axis
// may make the other need its bar too).
ClientSize shownArea(const ClientSize& area, const ClientSize& content, int verticalBarWidth,
                     int horizontalBarHeight);

// The horizontal move of the banner when the window's width changed from
// saved to current: half the difference, rounded toward zero. Nothing when
// either width is 0 (no window yet, or minimised).
std::optional<int> bannerShift(int savedWidth, int currentWidth);

// Where the banner's left edge goes after the banner moves (summed) have
// added up to shiftSoFar: centred on a window wider than at opening, but
// never left of its place in the template, where a narrower window would
// cut the title off.
int bannerLeft(int templateLeft, int shiftSoFar);
