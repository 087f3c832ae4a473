#include "windows/common/content_scroller.h"
#include "windows/common/fitted_client_size.h"
#include "windows/main/page_transitions.h"
#include "windows/common/window_geometry.h"

#include <gtest/gtest.h>

namespace {

// A window whose client is 1000 x 600 without bars: content 1200 x 720.
ContentScroller attachedScroller()
{
    ContentScroller scroller;
    scroller.setContentSize(1200, 720, 1000, 600);
    return scroller;
}

TEST(ContentScroller, BarsCoverTheContentBeyondTheClient)
{
    ContentScroller scroller;
    const auto bars = scroller.setContentSize(1200, 720, 1000, 600);
    EXPECT_TRUE(bars.horizontal.shown);
    EXPECT_EQ(bars.horizontal.maximum, 1199);
    EXPECT_EQ(bars.horizontal.page, 1000);
    EXPECT_EQ(bars.vertical.maximum, 719);
    EXPECT_EQ(scroller.visibleWidth, 1000);
    EXPECT_EQ(scroller.visibleHeight, 600);

    const auto none = scroller.setContentSize(800, 600, 1000, 600);
    EXPECT_FALSE(none.horizontal.shown);
    EXPECT_FALSE(none.vertical.shown);
    EXPECT_EQ(scroller.visibleWidth, 0);
    EXPECT_EQ(scroller.visibleHeight, 0);
}

TEST(ContentScroller, RequestsMoveByLinesPagesAndThumbWithinTheContent)
{
    struct Case {
        const char* name;
        int start;
        ScrollRequest request;
        int track;
        int expectedOffset;
    };
    for (const Case& c : {Case{"line down", 0, ScrollRequest::LineForward, 0, 60},
                          Case{"line up at the top stays", 0, ScrollRequest::LineBack, 0, 0},
                          Case{"line up near the top stops at 0", 30, ScrollRequest::LineBack, 0, 0},
                          Case{"page down stops at the end", 0, ScrollRequest::PageForward, 0, 120},
                          Case{"line down at the end stays", 120, ScrollRequest::LineForward, 0, 120},
                          Case{"page up", 120, ScrollRequest::PageBack, 0, 0},
                          Case{"thumb", 0, ScrollRequest::Thumb, 77, 77},
                          Case{"thumb beyond the end", 0, ScrollRequest::Thumb, 500, 120},
                          Case{"other requests are ignored", 60, ScrollRequest::Other, 0, 60}}) {
        ContentScroller scroller = attachedScroller();
        scroller.scrollVertical(ScrollRequest::Thumb, c.start);
        const int delta = scroller.scrollVertical(c.request, c.track);
        EXPECT_EQ(scroller.offsetY, c.expectedOffset) << c.name;
        EXPECT_EQ(delta, c.expectedOffset - c.start) << c.name;
    }
    ContentScroller scroller = attachedScroller();
    scroller.scrollHorizontal(ScrollRequest::PageForward);
    EXPECT_EQ(scroller.offsetX, 200);
    EXPECT_EQ(scroller.offsetY, 0);
}

TEST(ContentScroller, WheelNotchScrollsByTheSystemsLines)
{
    const auto scrolled = [](int z, std::optional<int> lines) {
        ContentScroller scroller;
        scroller.setContentSize(2000, 3000, 1000, 600);
        scroller.scrollVertical(ScrollRequest::Thumb, 1000);
        const auto requests = wheelRequests(z, lines, false);
        for (const ScrollRequest request : *requests)
            scroller.scrollVertical(request);
        return scroller.offsetY - 1000;
    };
    EXPECT_EQ(scrolled(-120, 3), 60);
    EXPECT_EQ(scrolled(120, 3), -60);
    EXPECT_EQ(scrolled(-120, 9), 180);
    EXPECT_EQ(scrolled(-240, 3), 120);
    EXPECT_EQ(scrolled(-60, 3), 60); // half a notch still scrolls one step
    EXPECT_EQ(scrolled(0, 3), 60);   // no rotation counts as downward
    EXPECT_EQ(scrolled(-120, std::nullopt), 600);
    EXPECT_EQ(scrolled(120, std::nullopt), -600);
    EXPECT_FALSE(wheelRequests(-120, 3, true).has_value());
}

// Fitted to a screen or resized, the window shows less or more of the
// content: the pages follow, and an offset past the new end comes back.
TEST(ContentScroller, PagesFollowWhatTheWindowShows)
{
    ContentScroller scroller = attachedScroller();
    auto bars = scroller.setVisibleSize(700, 400);
    EXPECT_EQ(bars.horizontal.page, 700);
    EXPECT_EQ(bars.horizontal.maximum, 1199);
    EXPECT_EQ(bars.vertical.page, 400);
    scroller.scrollVertical(ScrollRequest::PageForward);
    scroller.scrollVertical(ScrollRequest::PageForward);
    EXPECT_EQ(scroller.offsetY, 320); // the end: 720 - 400
    scroller.scrollHorizontal(ScrollRequest::Thumb, 450);

    bars = scroller.setVisibleSize(1000, 500);
    EXPECT_EQ(scroller.offsetY, 220);
    EXPECT_EQ(scroller.offsetX, 200);
    EXPECT_EQ(scroller.visibleHeight, 500);

    bars = scroller.setVisibleSize(1300, 720);
    EXPECT_FALSE(bars.horizontal.shown);
    EXPECT_FALSE(bars.vertical.shown);
    EXPECT_EQ(scroller.offsetX, 0);
    EXPECT_EQ(scroller.offsetY, 0);
    EXPECT_EQ(scroller.contentWidth, 1200);
}

TEST(ContentScroller, WheelTurnsTheBarItRotates)
{
    struct Case {
        const char* name;
        int x, y;
        std::optional<bool> horizontal;
        int z;
    };
    for (const Case& c : {Case{"down", 0, -120, false, -120}, Case{"up", 0, 120, false, 120},
                          Case{"sideways right", -120, 0, true, -120}, Case{"sideways left", 120, 0, true, 120},
                          Case{"diagonal goes by the vertical", 40, -120, false, -120},
                          Case{"no rotation", 0, 0, std::nullopt, 0}}) {
        const auto turn = wheelTurn(c.x, c.y);
        ASSERT_EQ(turn.has_value(), c.horizontal.has_value()) << c.name;
        if (!turn)
            continue;
        EXPECT_EQ(turn->horizontal, *c.horizontal) << c.name;
        EXPECT_EQ(turn->z, c.z) << c.name;
    }
}

TEST(ContentScroller, OffsetShowingAnItemMovesAsLittleAsItCan)
{
    struct Case {
        const char* name;
        int offset, visible, start, size;
        int expected;
    };
    // 500 pixels shown from offset 100.
    for (const Case& c : {Case{"shown whole", 100, 500, 200, 50, 100}, Case{"beyond the far edge", 100, 500, 580, 50, 130},
                          Case{"before the near edge", 100, 500, 80, 50, 80},
                          Case{"larger than what is shown", 100, 500, 700, 600, 700},
                          Case{"no bar", 0, 0, 700, 50, 0}})
        EXPECT_EQ(offsetShowing(c.offset, c.visible, c.start, c.size), c.expected) << c.name;
}

TEST(WindowGeometry, ShownAreaLeavesRoomForTheBarsTheContentNeeds)
{
    struct Case {
        const char* name;
        ClientSize area;
        int shownWidth, shownHeight;
    };
    // Content 1536 x 918, bars 15 pixels.
    for (const Case& c : {Case{"both bars", {1024, 570}, 1009, 555}, Case{"no bar", {1600, 1000}, 1600, 1000},
                          Case{"wide enough: vertical bar only", {1600, 900}, 1585, 900},
                          Case{"the vertical bar makes the horizontal one needed", {1545, 900}, 1530, 885},
                          Case{"the horizontal bar makes the vertical one needed", {1500, 925}, 1485, 910}}) {
        const ClientSize shown = shownArea(c.area, {1536, 918}, 15, 15);
        EXPECT_EQ(shown.width, c.shownWidth) << c.name;
        EXPECT_EQ(shown.height, c.shownHeight) << c.name;
    }
}

TEST(WindowGeometry, BannerStaysRightOfItsTemplatePlace)
{
    EXPECT_EQ(bannerLeft(9, 50), 59);
    EXPECT_EQ(bannerLeft(9, 0), 9);
    EXPECT_EQ(bannerLeft(9, -128), 9);
}

TEST(WindowGeometry, ClientSizeCountsTheBarsBack)
{
    // The bars take 17 pixels on the right and at the bottom.
    EXPECT_EQ(clientSizeWithoutScrollBars({0, 0, 1017, 617}, {0, 0, 1000, 600}, 17, 17).width, 1017);
    EXPECT_EQ(clientSizeWithoutScrollBars({0, 0, 1017, 617}, {0, 0, 1000, 600}, 17, 17).height, 617);
    // No bars: nothing to add.
    EXPECT_EQ(clientSizeWithoutScrollBars({0, 0, 1000, 600}, {0, 0, 1000, 600}, 17, 17).width, 1000);
    EXPECT_EQ(scrolledContentSize({1280, 765}).width, 1536);
    EXPECT_EQ(scrolledContentSize({1280, 765}).height, 918);
}

TEST(WindowGeometry, FitsAWindowLargerThanTheScreen)
{
    const PixelRect small{-1024, 0, 1024, 768};
    const auto fitted = fitToScreen(small, 17, {1280, 765});
    ASSERT_TRUE(fitted.has_value());
    EXPECT_EQ(fitted->x, -1024);
    EXPECT_EQ(fitted->y, 0);
    EXPECT_EQ(fitted->width, 1024);
    EXPECT_EQ(fitted->height, 768 - 34);
    EXPECT_FALSE(fitToScreen({0, 0, 1920, 1080}, 17, {1280, 765}).has_value());
    // Wide enough but too low once two bar widths are taken off.
    EXPECT_TRUE(fitToScreen({0, 0, 1920, 790}, 17, {1280, 765}).has_value());
}

// The branch window's template is 930 x 663 pixels.
TEST(WindowGeometry, AResizableWindowShrinksToTheScreensAvailableArea)
{
    const struct {
        const char* screen;
        ClientSize available, frame, expected;
    } cases[] = {
        {"1024 x 600, a panel and a title bar", {1024, 576}, {2, 30}, {930, 546}},
        {"800 x 600, too narrow too", {800, 600}, {2, 30}, {798, 570}},
        {"large: the template's size", {1920, 1050}, {2, 30}, {930, 663}},
        {"exactly the room", {932, 693}, {2, 30}, {930, 663}},
        {"smaller than the frame", {20, 20}, {2, 30}, {18, 1}},
    };
    for (const auto& c : cases) {
        const ClientSize fitted = fittedClientSize({930, 663}, c.available, c.frame);
        EXPECT_EQ(fitted.width, c.expected.width) << c.screen;
        EXPECT_EQ(fitted.height, c.expected.height) << c.screen;
    }
}

TEST(WindowGeometry, BannerMovesByHalfTheChangeOfWidth)
{
    EXPECT_EQ(bannerShift(1280, 1380), 50);
    EXPECT_EQ(bannerShift(1380, 1280), -50);
    EXPECT_EQ(bannerShift(1280, 1281), 0);
    EXPECT_EQ(bannerShift(1280, 1277), -1); // toward zero
    EXPECT_FALSE(bannerShift(0, 1280).has_value());
    EXPECT_FALSE(bannerShift(1280, 0).has_value());
}

TEST(PageTransitions, TypeButtonsLeadByGroupAndMode)
{
    struct Case {
        std::int32_t from;
        int button;
        std::int32_t mode;
        std::optional<std::int32_t> to;
    };
    for (const Case& c : {Case{2, 1039, 0, 3},  Case{2, 1039, 1, 4},  Case{3, 1039, 0, 3},  Case{4, 1039, 1, 4},
                          Case{5, 1039, 0, 3},  Case{7, 1039, 0, 8},  Case{7, 1039, 1, 9},  Case{10, 1039, 0, 8},
                          Case{9, 1039, 1, 9},  Case{2, 1040, 0, 5},  Case{3, 1040, 0, 5},  Case{5, 1040, 0, 5},
                          Case{7, 1040, 0, 10}, Case{8, 1040, 0, 10}, Case{2, 1040, 1, {}}, Case{7, 1040, 1, {}},
                          Case{0, 1039, 0, {}}, Case{4, 1040, 1, {}}, Case{3, 1037, 0, {}}}) {
        EXPECT_EQ(typeButtonTarget(c.from, c.button, c.mode), c.to)
            << "from " << c.from << " button " << c.button << " mode " << c.mode;
    }
}

} // namespace
