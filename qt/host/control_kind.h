#pragma once

#include "resources/layouts/dialog_template.h"
#include "windows/common/control_model.h"

class QFont;
class QObject;
class QString;
class QWidget;
class WindowLogic;

// What the user's events on a control need of the window that hosts it.
class ControlEvents {
public:
    virtual WindowLogic& eventLogic() = 0;
    // After every event the host shows the model again.
    virtual void eventHandled() = 0;
    // True while the host draws the model into the widgets, whose own
    // signals then are not the user's.
    virtual bool drawingModel() const = 0;
    // A change of a list's current row by the keyboard.
    virtual void currentRowMoved(int id, int row) = 0;
    // The object the connections belong to; it also sees a list's clicks.
    virtual QObject& eventReceiver() = 0;
    // Edits of cells the window has not heard of yet, reported now: a
    // button acts on what was typed before it was clicked.
    virtual void reportPendingEdits() = 0;

protected:
    ~ControlEvents() = default;
};

// One kind of control the host builds from a layout entry: its widget, how
// the user's events on it reach the window's logic, and how it shows its
// part of the control model.
struct ControlKind {
    QWidget* (*make)(const Control& control, QWidget* parent);
    void (*bind)(ControlEvents& events, int id, QWidget& widget);
    void (*show)(QWidget& widget, const ControlState& state, const QString& text, const QFont& font);
    // Without a tab stop, a click still gives it the focus.
    bool clickFocus;
};

// The kind of a layout entry: its class and, for a field, one line or several.
const ControlKind& controlKindOf(const Control& control);
