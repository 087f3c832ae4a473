#include "tests/qt/host/main_window_widget.h"

#include "tests/qt/host/shown_branch_window.h"
#include "windows/branch/branch_window_ids.h"
#include "windows/main/main_window_ids.h"
#include "windows/system/system_window.h"
#include "windows/system/system_window_ids.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QScrollArea>
#include <QScreen>
#include <QScrollBar>
#include <QStyle>
#include <QTest>
#include <QWheelEvent>

#include <gtest/gtest.h>

using namespace MainWindowId;

namespace {

// The template's client is 1280 x 765 pixels; the bars cover 1.2 times that.
constexpr int kContentWidth = 1536;
constexpr int kContentHeight = 918;
constexpr int kBannerTemplateLeft = 9; // 6 dialog units

class WindowOnScreen : public MainWindowWidget {
protected:
    QAbstractScrollArea& area() { return *host().findChild<QAbstractScrollArea*>(); }
    QScrollBar& horizontal() { return *area().horizontalScrollBar(); }
    QScrollBar& vertical() { return *area().verticalScrollBar(); }
    int barWidth() { return host().style()->pixelMetric(QStyle::PM_ScrollBarExtent); }
    QSize screen() { return QGuiApplication::primaryScreen()->size(); }

    void wheel(QPoint rotation)
    {
        QWidget* viewport = area().viewport();
        const QPointF centre = QRectF(viewport->rect()).center();
        QWheelEvent event(centre, viewport->mapToGlobal(centre), {}, rotation, Qt::NoButton, Qt::NoModifier,
                          Qt::NoScrollPhase, false);
        QApplication::sendEvent(viewport, &event);
    }
    // Where the content shows a control, in the viewport's coordinates.
    QRect shownAt(int id)
    {
        QWidget* widget = host().control(id);
        return QRect(widget->mapTo(area().viewport(), QPoint(0, 0)), widget->size());
    }
    // The window opens scrolled to the field with the focus; scrolling is
    // measured from the top-left corner.
    void scrollToTopLeft()
    {
        horizontal().setValue(0);
        vertical().setValue(0);
    }
    // Page after page, as far as the bar goes.
    static void pageToEnd(QScrollBar& bar)
    {
        for (int before = -1; before != bar.value();) {
            before = bar.value();
            bar.triggerAction(QAbstractSlider::SliderPageStepAdd);
        }
    }
};

// The window is fitted to a smaller screen; its bars cover 1.2 times the
// template with what the window shows as their page.
TEST_F(WindowOnScreen, BarsCoverTheContentWithTheShownPartAsPage)
{
    const bool fits = screen().width() >= 1280 && screen().height() - 2 * barWidth() >= 765;
    const QSize window = fits ? QSize(1280, 765) : QSize(screen().width(), screen().height() - 2 * barWidth());
    EXPECT_EQ(host().size(), window);
    const QSize shown(window.width() - barWidth(), window.height() - barWidth());
    EXPECT_EQ(area().viewport()->size(), shown);
    EXPECT_EQ(horizontal().pageStep(), shown.width());
    EXPECT_EQ(vertical().pageStep(), shown.height());
    EXPECT_EQ(horizontal().maximum(), kContentWidth - shown.width());
    EXPECT_EQ(vertical().maximum(), kContentHeight - shown.height());
    EXPECT_TRUE(horizontal().isVisible());
    EXPECT_TRUE(vertical().isVisible());
}

// Down to the bottom, the Close button comes into view; on to the right
// end, the buttons of the valve list and the right edges of both lists.
TEST_F(WindowOnScreen, ScrolledToTheEndEverythingCanBeSeen)
{
    scrollToTopLeft();
    const QRect viewport = area().viewport()->rect();
    const auto expectShown = [this, &viewport](int id, const char* where) {
        const QRect at = shownAt(id);
        EXPECT_TRUE(viewport.contains(at)) << "control " << id << " " << where << " at " << at.x() << ", " << at.y()
                                           << ", " << at.width() << " x " << at.height() << " in "
                                           << viewport.width() << " x " << viewport.height();
    };
    pageToEnd(vertical());
    EXPECT_EQ(vertical().value(), vertical().maximum());
    EXPECT_EQ(program->logic().contentScroller.offsetY, vertical().maximum());
    expectShown(kCloseButton, "at the bottom");
    pageToEnd(horizontal());
    EXPECT_EQ(horizontal().value(), horizontal().maximum());
    EXPECT_EQ(program->logic().contentScroller.offsetX, horizontal().maximum());
    for (const int id : {kExportButton, kDeleteValveButton, kDeleteTableButton, kAddButton})
        expectShown(id, "in the bottom-right corner");
    for (const int id : {kCandidateList, kValveList}) {
        EXPECT_LE(shownAt(id).right(), viewport.right()) << "list " << id;
        EXPECT_GE(shownAt(id).right(), viewport.left()) << "list " << id;
    }
}

// The window opens at its top-left corner, its first field focused
// wherever it is; the tab key scrolls each field it moves to into view.
TEST_F(WindowOnScreen, OpensAtTheTopLeftAndTabBringsTheFieldIntoView)
{
    EXPECT_EQ(host().focusWidget(), host().control(kProjectField));
    EXPECT_EQ(horizontal().value(), 0);
    EXPECT_EQ(vertical().value(), 0);
    EXPECT_EQ(program->logic().contentScroller.offsetX, 0);
    const QRect viewport = area().viewport()->rect();
    for (const int id : {kCustomerField, kProjectField}) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QApplication::processEvents();
        ASSERT_EQ(QApplication::focusWidget(), host().control(id));
        EXPECT_TRUE(viewport.contains(shownAt(id))) << "control " << id;
        EXPECT_EQ(program->logic().contentScroller.offsetX, horizontal().value());
    }
}

// A click moves the focus as the page wants it, but never the view: on a
// screen of 1024 x 600 every click on a page button scrolled to the project
// field, away from the buttons just used. Typing into the focused field
// out of view brings it into view.
TEST_F(WindowOnScreen, AClickLeavesTheViewWhereItWas)
{
    const QRect viewport = area().viewport()->rect();
    for (const int page : {kCommissioningButton, kStaticGroupButton, kSizingButton, kStaticGroupButton}) {
        scrollToTopLeft();
        click(page);
        QApplication::processEvents();
        EXPECT_EQ(horizontal().value(), 0) << "after page button " << page;
        EXPECT_EQ(vertical().value(), 0) << "after page button " << page;
        EXPECT_TRUE(viewport.contains(shownAt(page))) << "page button " << page;
    }
    QWidget* focused = host().focusWidget();
    ASSERT_NE(focused, nullptr);
    if (viewport.contains(QRect(focused->mapTo(area().viewport(), QPoint(0, 0)), focused->size())))
        GTEST_SKIP() << "the screen shows the focused field without scrolling";
    QTest::keyClicks(focused, QStringLiteral("1"));
    QApplication::processEvents();
    EXPECT_TRUE(viewport.contains(QRect(focused->mapTo(area().viewport(), QPoint(0, 0)), focused->size())));
}

// A notch of 3 lines and a bar arrow move 60 pixels; a sideways turn moves
// sideways only; a turn without rotation moves nothing.
TEST_F(WindowOnScreen, WheelAndArrowsMoveSixtyPixels)
{
    struct Case {
        const char* name;
        QPoint rotation;
        int movedRight, movedDown;
    };
    scrollToTopLeft();
    const int top = host().control(kBanner)->mapTo(area().viewport(), QPoint(0, 0)).y();
    int right = 0, down = 0;
    for (const Case& c : {Case{"notch down", {0, -120}, 0, 60}, Case{"second notch down", {0, -120}, 0, 60},
                          Case{"notch up", {0, 120}, 0, -60}, Case{"sideways right", {-120, 0}, 60, 0},
                          Case{"sideways left", {120, 0}, -60, 0}, Case{"gesture end", {0, 0}, 0, 0}}) {
        wheel(c.rotation);
        right += c.movedRight;
        down += c.movedDown;
        EXPECT_EQ(horizontal().value(), right) << c.name;
        EXPECT_EQ(vertical().value(), down) << c.name;
        EXPECT_EQ(host().control(kBanner)->mapTo(area().viewport(), QPoint(0, 0)).y(), top - down) << c.name;
    }
    vertical().triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(vertical().value(), down + 60);
    horizontal().triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(horizontal().value(), right + 60);
    vertical().triggerAction(QAbstractSlider::SliderPageStepSub);
    EXPECT_EQ(vertical().value(), 0);
}

// Narrower than at opening, the banner stays where the template has it;
// wider, it moves by half the gain.
TEST_F(WindowOnScreen, BannerNeverMovesLeftOfItsPlace)
{
    QWidget& banner = *host().control(kBanner);
    const int opened = std::max(kBannerTemplateLeft, kBannerTemplateLeft + (host().width() - 1280) / 2);
    EXPECT_EQ(banner.x(), opened);
    const int width = host().width();
    host().resize(width - 300, host().height());
    EXPECT_EQ(banner.x(), kBannerTemplateLeft);
    host().resize(width, host().height());
    EXPECT_EQ(banner.x(), opened);
    host().resize(1280 + 100, host().height());
    EXPECT_EQ(banner.x(), kBannerTemplateLeft + 50);
}

// The branch window, 930 x 663 pixels by its template, on the screen: as
// large as the screen's available area leaves room for with a title bar,
// and no smaller; what it cannot show scrolls into view.
TEST_F(WindowOnScreen, TheBranchWindowFitsTheScreenAndScrollsToItsCorners)
{
    ShownBranchWindow shown(state, db, host());
    WindowHost& branchHost = shown.host;
    const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
    const int titleBar = branchHost.style()->pixelMetric(QStyle::PM_TitleBarHeight);
    const QSize expected(std::min(930, available.width()), std::min(663, available.height() - titleBar));
    EXPECT_EQ(branchHost.size(), expected);
    EXPECT_EQ(branchHost.minimumSize(), expected) << "it shrinks no further";

    auto* area = branchHost.findChild<QScrollArea*>();
    ASSERT_NE(area, nullptr);
    EXPECT_EQ(area->verticalScrollBar()->isVisible(), expected.height() < 663);
    area->verticalScrollBar()->setValue(area->verticalScrollBar()->maximum());
    area->horizontalScrollBar()->setValue(area->horizontalScrollBar()->maximum());
    const QRect viewport = area->viewport()->rect();
    for (const int id : {BranchWindowId::kDeleteButton, BranchWindowId::kCalculateButton,
                         BranchWindowId::kSaveFileButton}) {
        QWidget* control = branchHost.control(id);
        const QRect shown(control->mapTo(area->viewport(), QPoint(0, 0)), control->size());
        EXPECT_TRUE(viewport.contains(shown)) << "control " << id;
    }
}

// The system window has the branch window's size: on a small screen it
// shrinks likewise, and its far corner's controls scroll into view.
TEST_F(WindowOnScreen, TheSystemWindowFitsTheScreenAndScrollsToItsCorners)
{
    RecordedMessages messages;
    SystemWindow window(state, db, {messages, {}}, u"Balance system");
    WindowHost systemHost(window, &host());
    systemHost.open();
    systemHost.show();
    QApplication::processEvents();
    const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
    const int titleBar = systemHost.style()->pixelMetric(QStyle::PM_TitleBarHeight);
    EXPECT_EQ(systemHost.size(), QSize(std::min(930, available.width()), std::min(663, available.height() - titleBar)));

    auto* area = systemHost.findChild<QScrollArea*>();
    ASSERT_NE(area, nullptr);
    area->verticalScrollBar()->setValue(area->verticalScrollBar()->maximum());
    area->horizontalScrollBar()->setValue(area->horizontalScrollBar()->maximum());
    const QRect viewport = area->viewport()->rect();
    for (const int id : {SystemWindowId::kDeleteButton, SystemWindowId::kCalculateButton, SystemWindowId::kSavedList}) {
        QWidget* control = systemHost.control(id);
        const QRect shown(control->mapTo(area->viewport(), QPoint(0, 0)), control->size());
        EXPECT_TRUE(viewport.contains(shown)) << "control " << id;
    }
}

} // namespace
