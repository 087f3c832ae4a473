#include "qt/host/control_anchors.h"

#include <QEvent>
#include <QWidget>

namespace {

constexpr std::uint32_t kAnchorStyles = kGrowWidth | kGrowHeight | kFollowRight | kFollowBottom;

} // namespace

QRect anchoredRect(const QRect& start, std::uint32_t styles, int dx, int dy)
{
    QRect rect = start;
    if (styles & kFollowRight)
        rect.translate(dx, 0);
    if (styles & kFollowBottom)
        rect.translate(0, dy);
    if (styles & kGrowWidth)
        rect.setWidth(std::max(1, start.width() + dx));
    if (styles & kGrowHeight)
        rect.setHeight(std::max(1, start.height() + dy));
    return rect;
}

ControlAnchors::ControlAnchors(QWidget& surface, const DialogTemplate& dialog, const std::map<int, QWidget*>& widgets)
    : QObject(&surface), surface_(surface), start_(surface.size())
{
    for (const Control& control : dialog.controls) {
        const auto widget = widgets.find(control.id);
        if ((control.styles & kAnchorStyles) && widget != widgets.end())
            anchored_.push_back({widget->second, widget->second->geometry(), control.styles});
    }
    surface.installEventFilter(this);
}

bool ControlAnchors::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == &surface_ && event->type() == QEvent::Resize) {
        const int dx = surface_.width() - start_.width();
        const int dy = surface_.height() - start_.height();
        for (const Anchored& control : anchored_)
            control.widget->setGeometry(anchoredRect(control.start, control.styles, dx, dy));
    }
    return QObject::eventFilter(watched, event);
}
