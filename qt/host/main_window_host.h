#pragma once

#include "qt/host/window_host.h"

class CArveloCalcDlg;
class QAbstractScrollArea;
class QPoint;
class QScrollBar;

// The main window on screen: the generic host of template 102 inside a
// scrolled area, with its icon, its own task-bar entry, minimise and
// maximise boxes, the banner kept centred and the About box on F1 and in
// the context menu (where a desktop has no window menu to put it in). It
// opens at its top-left corner; the view follows the focus where Tab moves
// it and to a field typed into, never where a click moved it.
class MainWindowHost : public WindowHost {
    Q_OBJECT

public:
    explicit MainWindowHost(CArveloCalcDlg& window, QWidget* parent = nullptr);

    void open() override;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void attachScroller();
    // The bars' pages and ranges follow what the window shows of the
    // content (nothing before the scroller is attached).
    void followVisibleArea();
    void fitToScreen();
    void centreBanner();
    void showAbout();
    void scrollBy(QScrollBar& bar, int request);
    void followScrollBar(QScrollBar& bar);
    void moveContent();
    bool wheel(const QPoint& rotation);
    // Scrolls the field with the focus into view.
    void bringIntoView(const QWidget* widget);

    CArveloCalcDlg& window_;
    QAbstractScrollArea* scrollArea_ = nullptr;
    int bannerTemplateLeft_ = 0;
    // The banner moves so far, which may add up to less than nothing.
    int bannerShift_ = 0;
};
