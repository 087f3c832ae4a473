#pragma once

#include <optional>
#include <vector>

// Scroll bars over a window's content, which is larger than the window:
// the arithmetic of the bars, without the bars. The view moves the content
// by minus the delta each request returns.

enum class ScrollRequest { LineBack, LineForward, PageBack, PageForward, Thumb, Other };

// How one bar is set up: range 0 to maximum, page size; a bar that is not
// shown has range and page 0.
struct ScrollBarSetup {
    bool shown = false;
    int maximum = 0;
    int page = 0;
};

struct ContentScroller {
    static constexpr int lineStep = 60;

    int visibleWidth = 0;
    int visibleHeight = 0;
    int contentWidth = 0;
    int contentHeight = 0;
    int offsetX = 0;
    int offsetY = 0;

    struct Bars {
        ScrollBarSetup horizontal;
        ScrollBarSetup vertical;
    };
    // New content size, with the client size measured without scroll bars.
    Bars setContentSize(int width, int height, int clientWidth, int clientHeight);

    // A request on one bar; trackPosition counts for Thumb only. Returns the
    // delta by which the position moved (0 when it did not).
    int scrollHorizontal(ScrollRequest request, int trackPosition = 0);
    int scrollVertical(ScrollRequest request, int trackPosition = 0);
};

// The vertical requests one wheel rotation makes: z in eighths of a degree
// (120 a notch, positive away from the user), linesPerNotch the system's
// setting, or nothing for "one page per notch". Nothing at all when the
// vertical bar has an empty range: the wheel is then not the window's.
std::optional<std::vector<ScrollRequest>> wheelRequests(int z, std::optional<int> linesPerNotch,
                                                        bool verticalRangeEmpty);
