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
    // The part of the content the window really shows, once it has been
    // fitted to the screen or resized: each bar's page is what is shown, and
    // an offset that would now run past the content's end is pulled back.
    Bars setVisibleSize(int width, int height);

    // A request on one bar; trackPosition counts for Thumb only. Returns the
    // delta by which the position moved (0 when it did not).
    int scrollHorizontal(ScrollRequest request, int trackPosition = 0);
    int scrollVertical(ScrollRequest request, int trackPosition = 0);
};

// The vertical requests one wheel rotation makes: z in eighths of a degree
// (120 a notch, positive away from the user), linesPerNotch the system's
// setting, or nothing for "one page per notch". Nothing at all when the
// bar it turns has an empty range: the wheel is then not the window's. The
// requests go to that bar (see wheelTurn).
std::optional<std::vector<ScrollRequest>> wheelRequests(int z, std::optional<int> linesPerNotch,
                                                        bool barRangeEmpty);

// Which bar a wheel event turns, from its two rotations: the vertical one
// when it turned at all, else the horizontal one (a sideways wheel or a
// touchpad swipe), with z as above (positive: up or left). Nothing for an
// event without rotation, such as the start or end of a touchpad gesture.
struct WheelTurn {
    bool horizontal = false;
    int z = 0;
};
std::optional<WheelTurn> wheelTurn(int zHorizontal, int zVertical);

// The offset along one axis that shows an item of the content (from start,
// size long) with the least move: unchanged while the item is shown whole,
// else with its far or near edge at the window's edge (its near edge when
// it is larger than what is shown). Unchanged without a bar (visible 0).
int offsetShowing(int offset, int visible, int start, int size);
