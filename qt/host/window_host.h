#pragma once

#include <QDialog>
#include <QIcon>
#include <QList>
#include <QPoint>
#include <QString>

#include "qt/host/control_kind.h"
#include "windows/common/control_model.h"

#include <map>

class QScrollArea;
class WindowLogic;

// Builds a window's widgets from its layout table, binds them by id to the
// window's control model, shows the model after every event and hands every
// user event to the window's logic. One host serves every window. A
// resizable window's controls sit in a scrolled area: it opens at most as
// large as the screen's available area and shrinks to that, never below
// its template's size otherwise.
class WindowHost : public QDialog, private ControlEvents {
    Q_OBJECT

public:
    // The widgets are made on `content`, or when it is null on a scrolled
    // area (a resizable window) or the dialog itself.
    explicit WindowHost(WindowLogic& logic, QWidget* parent = nullptr, QWidget* content = nullptr);

    // The widget of a control, or nullptr.
    QWidget* control(int id) const;
    WindowLogic& logic() const { return logic_; }

    // Runs the logic's initialisation and shows the model; exec() does it
    // on its own.
    virtual void open();
    int exec() override;

    // Draws the control model into the widgets.
    void showModel();

    void setListImages(const QList<QIcon>& images);

protected:
    QWidget* surface() const { return surface_; }
    bool isOpened() const { return opened_; }
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void reject() override;

    // After every event: the model is shown and, when the logic ended the
    // window, it closes with that result.
    virtual void afterEvent();

private:
    // Each control is shown through the table of control kinds.
    void showControl(int id, const ControlState& state);
    // A resizable window fitted to its screen's available area, with the
    // frame as the window system reports it, or at least a title bar.
    void fitToScreen();
    // A change of a list's current row by the keyboard: a click on that row.
    void followCurrentRow(int id, int row);
    int controlIdOf(const QObject* object) const; // kNoControlId for none
    // Where the scrolled area shows its content; (0, 0) without one.
    QPoint scrollPosition() const;
    void setScrollPosition(QPoint position);
    int focusedControlId() const;

    WindowLogic& eventLogic() override;
    void eventHandled() override;
    bool drawingModel() const override;
    void currentRowMoved(int id, int row) override;
    QObject& eventReceiver() override;
    void reportPendingEdits() override;

    WindowLogic& logic_;
    QScrollArea* scrollArea_ = nullptr;
    QWidget* surface_;
    std::map<int, QWidget*> widgets_;
    std::map<int, const ControlKind*> kinds_;
    bool opened_ = false;
    bool shownOnce_ = false;
    // Set while the model is drawn into the widgets, whose own signals then
    // are not the user's.
    bool showing_ = false;
};
