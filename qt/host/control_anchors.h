#pragma once

#include "resources/layouts/dialog_template.h"

#include <QObject>
#include <QRect>
#include <QSize>

#include <map>
#include <vector>

class QWidget;

// Keeps the controls of a resizable window where their styles say when the
// window's size changes: growing with it, or moving with its right or
// bottom edge, from their places at the template's size.
class ControlAnchors : public QObject {
    Q_OBJECT

public:
    ControlAnchors(QWidget& surface, const DialogTemplate& dialog, const std::map<int, QWidget*>& widgets);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Anchored {
        QWidget* widget;
        QRect start;
        std::uint32_t styles;
    };
    QWidget& surface_;
    QSize start_;
    std::vector<Anchored> anchored_;
};

// Where a control with these styles lies when the window has grown by (dx, dy).
QRect anchoredRect(const QRect& start, std::uint32_t styles, int dx, int dy);
