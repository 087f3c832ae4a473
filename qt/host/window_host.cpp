#include "qt/host/window_host.h"

#include "qt/controls/kr_picture_control.h"
#include "qt/host/control_anchors.h"
#include "qt/host/control_list_model.h"
#include "qt/host/editable_table.h"
#include "qt/resources/program_fonts.h"
#include "resources/layouts/dialog_units.h"
#include "windows/common/first_tab_stop.h"
#include "windows/common/fitted_client_size.h"
#include "windows/common/window_logic.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QTimer>
#include <QTreeView>
#include <QVBoxLayout>

namespace {

QString qText(const std::u16string& text) { return QString::fromStdU16String(text); }

QFont fontOf(ControlFont font)
{
    switch (font) {
    case ControlFont::Regular: return regularFont();
    case ControlFont::Bold: return boldFont();
    case ControlFont::Template: break;
    }
    return templateFont();
}

Qt::FocusPolicy focusPolicyOf(const Control& control)
{
    if (control.has(kTabStop))
        return Qt::StrongFocus;
    return controlKindOf(control).clickFocus ? Qt::ClickFocus : Qt::NoFocus;
}

void whiteBackground(QWidget& widget)
{
    QPalette palette = widget.palette();
    palette.setColor(QPalette::Window, Qt::white);
    widget.setPalette(palette);
    widget.setAutoFillBackground(true);
}

// The scrolled area filling a resizable window; its content is at least
// the template's size and grows with the window.
QScrollArea* scrolledArea(QDialog& window)
{
    auto* area = new QScrollArea(&window);
    area->setFrameShape(QFrame::NoFrame);
    area->setWidgetResizable(true);
    // The area is no tab stop of its own: the tab key visits the fields only.
    area->setFocusPolicy(Qt::NoFocus);
    auto* layout = new QVBoxLayout(&window);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(area);
    area->setWidget(new QWidget);
    return area;
}

ClientSize clientSize(const QSize& size) { return {size.width(), size.height()}; }

} // namespace

WindowHost::WindowHost(WindowLogic& logic, QWidget* parent, QWidget* content)
    : QDialog(parent), logic_(logic),
      scrollArea_(!content && logic.dialogTemplate().resizable ? scrolledArea(*this) : nullptr),
      surface_(content ? content : scrollArea_ ? scrollArea_->widget() : this)
{
    const DialogTemplate& dialog = logic.dialogTemplate();
    QWidget* surface = surface_;
    whiteBackground(*this);
    setWindowTitle(qText(logic.caption()));
    setFont(regularFont());
    const PixelRect size = toPixels({0, 0, dialog.width, dialog.height});
    surface->resize(size.width, size.height);
    if (scrollArea_) {
        surface->setMinimumSize(size.width, size.height);
        resize(size.width, size.height);
    }
    if (surface != this)
        whiteBackground(*surface);

    for (const Control& control : dialog.controls) {
        const ControlKind& kind = controlKindOf(control);
        QWidget* widget = kind.make(control, surface);
        const PixelRect rect = toPixels(control.rect);
        // A drop-down list's height includes its open list; closed it is one line.
        const int height = control.controlClass == ControlClass::ComboBox ? widget->sizeHint().height() : rect.height;
        widget->setGeometry(rect.x, rect.y, rect.width, height);
        widget->setFont(fontOf(control.font));
        widget->setFocusPolicy(focusPolicyOf(control));
        widget->installEventFilter(this);
        if (control.id == kNoControlId) {
            if (auto* label = qobject_cast<QLabel*>(widget); label && !control.text.empty())
                label->setText(qText(std::u16string(control.text)));
            continue;
        }
        widget->setObjectName(QStringLiteral("control%1").arg(control.id));
        widgets_[control.id] = widget;
        kinds_[control.id] = &kind;
        kind.bind(*this, control.id, *widget);
    }
    // Return and Escape are the logic's before any control or the dialog sees them.
    installEventFilter(this);
    for (std::size_t i = 1; i < dialog.tabOrder.size(); ++i)
        setTabOrder(control(dialog.tabOrder[i - 1]), control(dialog.tabOrder[i]));
    if (dialog.resizable)
        new ControlAnchors(*surface, dialog, widgets_);
}

QWidget* WindowHost::control(int id) const
{
    const auto found = widgets_.find(id);
    return found == widgets_.end() ? nullptr : found->second;
}

void WindowHost::followCurrentRow(int id, int row)
{
    // A click reaches the logic when the button is released; the model's
    // own selection is set by the host.
    if (showing_ || row < 0 || QGuiApplication::mouseButtons() != Qt::NoButton)
        return;
    logic_.controls()[id].selectedRow = row;
    logic_.onListClick(id, row);
    afterEvent();
}

void WindowHost::setListImages(const QList<QIcon>& images)
{
    for (const auto& [id, widget] : widgets_)
        if (auto* list = qobject_cast<QTreeView*>(widget))
            static_cast<ControlListModel*>(list->model())->setImages(images);
}

void WindowHost::fitToScreen()
{
    const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    if (!scrollArea_ || !screen)
        return;
    const DialogTemplate& dialog = logic_.dialogTemplate();
    const PixelRect wanted = toPixels({0, 0, dialog.width, dialog.height});
    // Before the window is shown its frame is not known: a title bar at least.
    const QSize measured = frameGeometry().size() - geometry().size();
    const ClientSize frame{measured.width(),
                           std::max(measured.height(), style()->pixelMetric(QStyle::PM_TitleBarHeight))};
    const ClientSize fitted =
        fittedClientSize({wanted.width, wanted.height}, clientSize(screen->availableGeometry().size()), frame);
    setMinimumSize(fitted.width, fitted.height);
    if (width() > fitted.width || height() > fitted.height || !isVisible())
        resize(std::min(width(), fitted.width), std::min(height(), fitted.height));
}

void WindowHost::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    // Once the window system has put its frame round the window; a window
    // opens at its top-left corner, wherever its first field is.
    if (scrollArea_)
        QTimer::singleShot(0, this, [this, first = !shownOnce_] {
            fitToScreen();
            if (first)
                setScrollPosition({0, 0});
        });
    shownOnce_ = true;
}

QPoint WindowHost::scrollPosition() const
{
    if (!scrollArea_)
        return {};
    return {scrollArea_->horizontalScrollBar()->value(), scrollArea_->verticalScrollBar()->value()};
}

void WindowHost::setScrollPosition(QPoint position)
{
    if (!scrollArea_)
        return;
    scrollArea_->horizontalScrollBar()->setValue(position.x());
    scrollArea_->verticalScrollBar()->setValue(position.y());
}

void WindowHost::open()
{
    if (opened_)
        return;
    opened_ = true;
    fitToScreen();
    logic_.onOpen();
    showModel();
    if (!focusWidget())
        if (const auto first = firstTabStop(logic_.dialogTemplate(), logic_.controls()))
            control(*first)->setFocus(Qt::OtherFocusReason);
}

int WindowHost::exec()
{
    open();
    return QDialog::exec();
}

void WindowHost::showModel()
{
    // The view stays where the user clicked: a control hidden with the
    // focus hands it on, and a focus the logic asks for moves it, and the
    // scrolled area would follow either. Tab and typing move the view.
    const QPoint scrolled = scrollPosition();
    showing_ = true;
    for (const auto& [id, state] : logic_.controls().all())
        showControl(id, state);
    showing_ = false;
    ControlModel& controls = logic_.controls();
    if (controls.focusRequest) {
        if (QWidget* widget = control(*controls.focusRequest)) {
            widget->setFocus(Qt::OtherFocusReason);
            if (auto* field = qobject_cast<QLineEdit*>(widget))
                field->end(false);
        }
        controls.focusRequest.reset();
    }
    setScrollPosition(scrolled);
}

void WindowHost::showControl(int id, const ControlState& state)
{
    const auto found = kinds_.find(id);
    if (found == kinds_.end())
        return;
    QWidget& widget = *control(id);
    const QFont font = fontOf(state.font);
    if (widget.font() != font)
        widget.setFont(font);
    found->second->show(widget, state, qText(state.text), font);
    widget.setEnabled(state.enabled);
    widget.setVisible(state.visible);
}

int WindowHost::controlIdOf(const QObject* object) const
{
    for (const auto& [id, widget] : widgets_)
        if (widget == object)
            return id;
    return kNoControlId;
}

int WindowHost::focusedControlId() const
{
    // The window's focus child, which it keeps while another window is active.
    for (QWidget* widget = focusWidget(); widget; widget = widget->parentWidget())
        if (const int id = controlIdOf(widget); id != kNoControlId)
            return id;
    return kNoControlId;
}

bool WindowHost::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        // Typing into a field out of view brings it into view.
        const QString typed = static_cast<QKeyEvent*>(event)->text();
        if (auto* typedInto = qobject_cast<QWidget*>(watched);
            scrollArea_ && typedInto && typedInto->hasFocus() && !typed.isEmpty() && typed.front().isPrint())
            scrollArea_->ensureWidgetVisible(typedInto);
        if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape) {
            const auto which = key == Qt::Key_Escape ? WindowLogic::Key::Escape : WindowLogic::Key::Return;
            const bool consumed = logic_.onKeyDown(which, focusedControlId());
            afterEvent();
            return consumed;
        }
    }
    const bool mouse = event->type() == QEvent::MouseButtonRelease || event->type() == QEvent::MouseButtonDblClick;
    if (!mouse || static_cast<QMouseEvent*>(event)->button() != Qt::LeftButton)
        return QDialog::eventFilter(watched, event);
    if (event->type() == QEvent::MouseButtonDblClick && qobject_cast<KrPictureControl*>(watched)) {
        logic_.onDoubleClick(controlIdOf(watched));
        afterEvent();
        return true;
    }
    // A list's clicks arrive at its viewport.
    auto* list = qobject_cast<QTreeView*>(watched->parent());
    if (event->type() == QEvent::MouseButtonRelease && list && list->viewport() == watched) {
        const int id = controlIdOf(list);
        const QModelIndex index = list->indexAt(static_cast<QMouseEvent*>(event)->position().toPoint());
        const int row = index.isValid() ? index.row() : -1;
        // A click selects the row under it, or nothing beside the rows.
        logic_.controls()[id].selectedRow = row;
        logic_.onListClick(id, row);
        afterEvent();
    }
    return QDialog::eventFilter(watched, event);
}

void WindowHost::afterEvent()
{
    showModel();
    if (logic_.result() && isVisible())
        done(*logic_.result());
}

void WindowHost::closeEvent(QCloseEvent* event)
{
    if (!logic_.result())
        logic_.onCloseRequest();
    showModel();
    if (!logic_.result()) {
        event->ignore();
        return;
    }
    event->accept();
    done(*logic_.result());
}

void WindowHost::reject()
{
    if (!logic_.result())
        logic_.onCloseRequest();
    afterEvent();
}

WindowLogic& WindowHost::eventLogic() { return logic_; }

void WindowHost::eventHandled() { afterEvent(); }

bool WindowHost::drawingModel() const { return showing_; }

void WindowHost::currentRowMoved(int id, int row) { followCurrentRow(id, row); }

QObject& WindowHost::eventReceiver() { return *this; }

void WindowHost::reportPendingEdits()
{
    for (const auto& [id, widget] : widgets_)
        if (auto* table = qobject_cast<EditableTable*>(widget))
            table->reportEdits();
}
