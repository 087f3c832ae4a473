#include "qt/host/main_window_host.h"

#include "qt/resources/program_fonts.h"
#include "qt/resources/program_icon.h"
#include "windows/main/arvelo_calc_dlg.h"
#include "windows/main/main_window_ids.h"
#include "windows/common/window_geometry.h"
#include "qt/host/candidate_list_images.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QScreen>
#include <QScrollBar>
#include <QStyle>
#include <QTimer>
#include <QWheelEvent>

namespace {

// The window menu's About item.
const char* const kAboutItem = "&About ArveloCalc...";

PixelRect pixelRect(const QRect& rect) { return {rect.x(), rect.y(), rect.width(), rect.height()}; }

ScrollRequest requestOf(int action)
{
    switch (action) {
    case QAbstractSlider::SliderSingleStepSub: return ScrollRequest::LineBack;
    case QAbstractSlider::SliderSingleStepAdd: return ScrollRequest::LineForward;
    case QAbstractSlider::SliderPageStepSub: return ScrollRequest::PageBack;
    case QAbstractSlider::SliderPageStepAdd: return ScrollRequest::PageForward;
    case QAbstractSlider::SliderMove: return ScrollRequest::Thumb;
    default: return ScrollRequest::Other;
    }
}

void setUpBar(QScrollBar& bar, const ScrollBarSetup& setup, int offset)
{
    const QSignalBlocker blocker(&bar);
    // The toolkit's range ends where the page's top can go, one page before
    // the content's end.
    bar.setRange(0, setup.shown ? setup.maximum + 1 - setup.page : 0);
    bar.setPageStep(setup.page);
    bar.setSingleStep(ContentScroller::lineStep);
    bar.setValue(offset);
}

} // namespace

MainWindowHost::MainWindowHost(CArveloCalcDlg& window, QWidget* parent)
    : WindowHost(window, parent, new QWidget), window_(window)
{
    scrollArea_ = new QAbstractScrollArea(this);
    setListImages(candidateListImages());
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint |
                   Qt::WindowCloseButtonHint);
    scrollArea_->setFrameShape(QFrame::NoFrame);
    // The area is no tab stop of its own: the tab key visits the fields only.
    scrollArea_->setFocusPolicy(Qt::NoFocus);
    scrollArea_->viewport()->setAutoFillBackground(false);
    surface()->setParent(scrollArea_->viewport());
    surface()->move(0, 0);
    scrollArea_->viewport()->installEventFilter(this);
    resize(surface()->size());
    scrollArea_->setGeometry(rect());
    if (QWidget* banner = control(MainWindowId::kBanner))
        bannerTemplateLeft_ = banner->x();

    for (QScrollBar* bar : {scrollArea_->horizontalScrollBar(), scrollArea_->verticalScrollBar()}) {
        connect(bar, &QAbstractSlider::actionTriggered, this, [this, bar](int action) { scrollBy(*bar, action); });
        connect(bar, &QAbstractSlider::valueChanged, this, [this, bar] { followScrollBar(*bar); });
    }
}

void MainWindowHost::open()
{
    if (isOpened())
        return;
    setFont(regularFont());
    // The frame is known only once the window is shown: widths are compared
    // without it, or showing the window would move the banner.
    window_.savedWindowRect = pixelRect(geometry());
    setWindowIcon(programIcon());
    attachScroller();
    fitToScreen();
    followVisibleArea();
    WindowHost::open();
    centreBanner();
}

void MainWindowHost::attachScroller()
{
    // The window's client area is the template's, at the template's size:
    // the bars are inside it, on the scrolled area.
    const int barWidth = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    const ClientSize client = clientSizeWithoutScrollBars(pixelRect(rect()), pixelRect(rect()), barWidth, barWidth);
    const ClientSize content = scrolledContentSize(client);
    window_.contentScroller.setContentSize(content.width, content.height, client.width, client.height);
}

void MainWindowHost::followVisibleArea()
{
    scrollArea_->setGeometry(rect());
    ContentScroller& scroller = window_.contentScroller;
    const int barWidth = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    const ClientSize shown =
        shownArea({width(), height()}, {scroller.contentWidth, scroller.contentHeight}, barWidth, barWidth);
    const auto bars = scroller.setVisibleSize(shown.width, shown.height);
    setUpBar(*scrollArea_->horizontalScrollBar(), bars.horizontal, scroller.offsetX);
    setUpBar(*scrollArea_->verticalScrollBar(), bars.vertical, scroller.offsetY);
    moveContent();
}

void MainWindowHost::fitToScreen()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const int barWidth = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    const ClientSize client{width(), height()};
    if (const auto fitted = ::fitToScreen(pixelRect(screen->virtualGeometry()), barWidth, client))
        setGeometry(fitted->x, fitted->y, fitted->width, fitted->height);
}

void MainWindowHost::centreBanner()
{
    const auto shift = window_.centreBanner(pixelRect(geometry()));
    QWidget* banner = control(MainWindowId::kBanner);
    if (!shift || *shift == 0 || !banner)
        return;
    bannerShift_ += *shift;
    banner->move(bannerLeft(bannerTemplateLeft_, bannerShift_), banner->y());
}

void MainWindowHost::resizeEvent(QResizeEvent* event)
{
    WindowHost::resizeEvent(event);
    followVisibleArea();
    if (isOpened() && !isMinimized())
        centreBanner();
}

void MainWindowHost::contextMenuEvent(QContextMenuEvent* event)
{
    QMenu menu(this);
    connect(menu.addAction(QString::fromLatin1(kAboutItem)), &QAction::triggered, this, [this] { showAbout(); });
    menu.exec(event->globalPos());
}

void MainWindowHost::showAbout()
{
    window_.onSystemCommand(MainWindowId::kAboutCommand);
    afterEvent();
}

void MainWindowHost::scrollBy(QScrollBar& bar, int action)
{
    const ScrollRequest request = requestOf(action);
    const bool horizontal = &bar == scrollArea_->horizontalScrollBar();
    ContentScroller& scroller = window_.contentScroller;
    if (horizontal)
        scroller.scrollHorizontal(request, bar.sliderPosition());
    else
        scroller.scrollVertical(request, bar.sliderPosition());
    // The toolkit takes the position set here as the outcome of the action.
    bar.setSliderPosition(horizontal ? scroller.offsetX : scroller.offsetY);
    moveContent();
}

void MainWindowHost::followScrollBar(QScrollBar& bar)
{
    ContentScroller& scroller = window_.contentScroller;
    if (&bar == scrollArea_->horizontalScrollBar())
        scroller.scrollHorizontal(ScrollRequest::Thumb, bar.value());
    else
        scroller.scrollVertical(ScrollRequest::Thumb, bar.value());
    moveContent();
}

void MainWindowHost::moveContent()
{
    const ContentScroller& scroller = window_.contentScroller;
    surface()->move(-scroller.offsetX, -scroller.offsetY);
}

bool MainWindowHost::wheel(const QPoint& rotation)
{
    const auto turn = wheelTurn(rotation.x(), rotation.y());
    if (!turn)
        return true;
    QScrollBar& bar = turn->horizontal ? *scrollArea_->horizontalScrollBar() : *scrollArea_->verticalScrollBar();
    const auto requests = wheelRequests(turn->z, QApplication::wheelScrollLines(), bar.maximum() == 0);
    if (!requests)
        return false;
    ContentScroller& scroller = window_.contentScroller;
    for (const ScrollRequest request : *requests) {
        if (turn->horizontal)
            scroller.scrollHorizontal(request);
        else
            scroller.scrollVertical(request);
    }
    const QSignalBlocker blocker(&bar);
    bar.setValue(turn->horizontal ? scroller.offsetX : scroller.offsetY);
    moveContent();
    return true;
}

void MainWindowHost::bringIntoView(const QWidget* widget)
{
    if (!widget || !surface()->isAncestorOf(widget))
        return;
    const QRect shown(widget->mapTo(surface(), QPoint(0, 0)), widget->size());
    ContentScroller& scroller = window_.contentScroller;
    scroller.scrollHorizontal(ScrollRequest::Thumb,
                              offsetShowing(scroller.offsetX, scroller.visibleWidth, shown.x(), shown.width()));
    scroller.scrollVertical(ScrollRequest::Thumb,
                            offsetShowing(scroller.offsetY, scroller.visibleHeight, shown.y(), shown.height()));
    for (QScrollBar* bar : {scrollArea_->horizontalScrollBar(), scrollArea_->verticalScrollBar()}) {
        const QSignalBlocker blocker(bar);
        bar->setValue(bar == scrollArea_->horizontalScrollBar() ? scroller.offsetX : scroller.offsetY);
    }
    moveContent();
}

bool MainWindowHost::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        // The view follows the focus where the keyboard moves it, once the
        // window has moved it on, and a field typed into out of view. A
        // click, a page change or a dialog moves the focus but not the view,
        // which stays where the user clicked.
        if (key == Qt::Key_Tab || key == Qt::Key_Backtab)
            QTimer::singleShot(0, this, [this] { bringIntoView(focusWidget()); });
        const QString typed = static_cast<QKeyEvent*>(event)->text();
        if (!typed.isEmpty() && typed.front().isPrint() && watched == focusWidget())
            bringIntoView(focusWidget());
    }
    if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_F1) {
        showAbout();
        return true;
    }
    if (scrollArea_ && watched == scrollArea_->viewport() && event->type() == QEvent::Wheel)
        return wheel(static_cast<QWheelEvent*>(event)->angleDelta());
    return WindowHost::eventFilter(watched, event);
}
