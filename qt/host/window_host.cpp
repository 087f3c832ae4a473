#include "qt/host/window_host.h"

#include "qt/resources/program_fonts.h"
#include "qt/resources/program_icon.h"
#include "resources/layouts/dialog_units.h"
#include "qt/host/chart_control.h"
#include "qt/host/control_anchors.h"
#include "qt/host/editable_table.h"
#include "qt/host/fitted_text.h"
#include "qt/controls/kr_button.h"
#include "qt/controls/kr_edit.h"
#include "qt/controls/kr_group_frame.h"
#include "qt/controls/kr_multi_line_edit.h"
#include "qt/controls/kr_picture_control.h"
#include "qt/controls/kr_static_text.h"
#include "qt/host/control_list_model.h"
#include "windows/common/first_tab_stop.h"
#include "windows/common/window_logic.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QGuiApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QStyle>
#include <QTreeView>
#include <QValidator>

namespace {

// QLineEdit's own default limit.
constexpr int kUnlimitedLength = 32767;

QString qText(const std::u16string& text) { return QString::fromStdU16String(text); }
QColor qColour(const Rgb& rgb) { return QColor(rgb.red, rgb.green, rgb.blue); }

// Asks the logic before a keystroke changes a field; QLineEdit undoes a
// refused one with its text and caret untouched.
class TypingValidator : public QValidator {
public:
    TypingValidator(const WindowLogic& logic, int id, QObject* parent) : QValidator(parent), logic_(logic), id_(id) {}
    State validate(QString& input, int& /*position*/) const override
    {
        return logic_.acceptsTyping(id_, input.toStdU16String()) ? Acceptable : Invalid;
    }

private:
    const WindowLogic& logic_;
    int id_;
};

QFont fontOf(ControlFont font)
{
    switch (font) {
    case ControlFont::Regular: return regularFont();
    case ControlFont::Bold: return boldFont();
    case ControlFont::Template: break;
    }
    return templateFont();
}

QWidget* makeField(const Control& control, QWidget* parent)
{
    if (control.has(kMultiLine)) {
        auto* field = new KrMultiLineEdit(parent);
        field->setReadOnly(control.has(kReadOnly));
        if (!control.has(kBorder))
            field->setFrameShape(QFrame::NoFrame);
        return field;
    }
    auto* field = new KrEdit(parent);
    field->setReadOnly(control.has(kReadOnly));
    field->setFrame(control.has(kBorder));
    return field;
}

QWidget* makeList(QWidget* parent)
{
    auto* list = new QTreeView(parent);
    list->setModel(new ControlListModel(list));
    list->setRootIsDecorated(false);
    list->setItemsExpandable(false);
    list->setSelectionBehavior(QAbstractItemView::SelectRows);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list->setIconSize(QSize(48, 48));
    list->setUniformRowHeights(true);
    list->header()->setSectionsMovable(false);
    list->header()->setStretchLastSection(false);
    return list;
}

ControlListModel& modelOf(const QTreeView& list) { return *static_cast<ControlListModel*>(list.model()); }

// The captions as they fit their columns' widths.
QStringList fittedHeaders(const QHeaderView& header, const std::vector<ListColumn>& columns)
{
    const int margins = 2 * header.style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, &header) + 2;
    QStringList shown;
    for (const ListColumn& column : columns)
        shown << fitText(qText(column.header), header.font(), QSize(column.width - margins, header.height()), false)
                     .shown;
    return shown;
}

QWidget* makeWidget(const Control& control, QWidget* parent)
{
    switch (control.controlClass) {
    case ControlClass::OwnerDrawnButton: return new KrButton(parent);
    case ControlClass::PushButton: {
        auto* button = new QPushButton(parent);
        button->setAutoDefault(false);
        button->setDefault(control.has(kDefaultButton));
        return button;
    }
    case ControlClass::Picture: return new KrPictureControl(parent);
    case ControlClass::Icon: {
        auto* icon = new QLabel(parent);
        const PixelRect rect = toPixels(control.rect);
        icon->setPixmap(programIcon().pixmap(rect.width, rect.height));
        return icon;
    }
    case ControlClass::Label: {
        auto* label = new KrStaticText(parent);
        if (control.has(kCentred))
            label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        return label;
    }
    case ControlClass::Group: return new KrGroupFrame(parent);
    case ControlClass::Field: return makeField(control, parent);
    case ControlClass::ListView: return makeList(parent);
    case ControlClass::ComboBox: return new QComboBox(parent);
    case ControlClass::EditableTable: return new EditableTable(parent);
    case ControlClass::Chart: return new ChartControl(parent);
    }
    return new QWidget(parent);
}

Qt::FocusPolicy focusPolicyOf(const Control& control)
{
    if (control.has(kTabStop))
        return Qt::StrongFocus;
    switch (control.controlClass) {
    case ControlClass::Field:
    case ControlClass::ListView:
    case ControlClass::ComboBox: return Qt::ClickFocus;
    default: return Qt::NoFocus;
    }
}

void whiteBackground(QWidget& widget)
{
    QPalette palette = widget.palette();
    palette.setColor(QPalette::Window, Qt::white);
    widget.setPalette(palette);
    widget.setAutoFillBackground(true);
}

} // namespace

WindowHost::WindowHost(WindowLogic& logic, QWidget* parent, QWidget* content)
    : QDialog(parent), logic_(logic), surface_(content ? content : this)
{
    const DialogTemplate& dialog = logic.dialogTemplate();
    QWidget* surface = surface_;
    whiteBackground(*this);
    setWindowTitle(qText(logic.caption()));
    setFont(regularFont());
    const PixelRect size = toPixels({0, 0, dialog.width, dialog.height});
    surface->resize(size.width, size.height);
    if (content)
        whiteBackground(*content);

    for (const Control& control : dialog.controls) {
        QWidget* widget = makeWidget(control, surface);
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
        bindSignals(control.id, widget);
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

void WindowHost::bindSignals(int id, QWidget* widget)
{
    if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        connect(button, &QAbstractButton::clicked, this, [this, id] {
            logic_.onClick(id);
            afterEvent();
        });
    } else if (auto* field = qobject_cast<QLineEdit*>(widget)) {
        field->setValidator(new TypingValidator(logic_, id, field));
        connect(field, &QLineEdit::textEdited, this, [this, id](const QString& text) {
            logic_.controls()[id].text = text.toStdU16String();
            logic_.onTextChanged(id);
            afterEvent();
        });
    } else if (auto* lines = qobject_cast<KrMultiLineEdit*>(widget); lines && !lines->isReadOnly()) {
        // An editable text of several lines: Tab moves on, as in a field.
        lines->setTabChangesFocus(true);
        connect(lines, &QTextEdit::textChanged, this, [this, id, lines] {
            if (showing_)
                return;
            logic_.controls()[id].text = lines->toPlainText().toStdU16String();
            logic_.onTextChanged(id);
            afterEvent();
        });
    } else if (auto* combo = qobject_cast<QComboBox*>(widget)) {
        connect(combo, &QComboBox::activated, this, [this, id](int index) {
            logic_.controls()[id].currentIndex = index;
            logic_.onSelectionChanged(id);
            afterEvent();
        });
    } else if (auto* table = qobject_cast<EditableTable*>(widget)) {
        bindTable(id, *table);
    } else if (auto* list = qobject_cast<QTreeView*>(widget)) {
        list->viewport()->installEventFilter(this);
        connect(list->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
                [this, id](const QModelIndex& current) { followCurrentRow(id, current.row()); });
    }
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
            modelOf(*list).setImages(images);
}

void WindowHost::bindTable(int id, EditableTable& table)
{
    connect(&table, &EditableTable::cellEdited, this, [this, id](int row, int column, const QString& text) {
        std::vector<ListRow>& rows = logic_.controls()[id].rows.edit();
        if (row < 0 || row >= static_cast<int>(rows.size()) || column < 0)
            return;
        std::vector<std::u16string>& cells = rows[static_cast<std::size_t>(row)].cells;
        if (static_cast<std::size_t>(column) >= cells.size())
            cells.resize(static_cast<std::size_t>(column) + 1);
        cells[static_cast<std::size_t>(column)] = text.toStdU16String();
        logic_.onCellChanged(id, row, column);
        afterEvent();
    });
    connect(&table, &EditableTable::currentCellMoved, this, [this, id](int row, int column) {
        logic_.controls()[id].selectedRow = row;
        logic_.controls()[id].currentColumn = column;
    });
}

void WindowHost::open()
{
    if (opened_)
        return;
    opened_ = true;
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
}

void WindowHost::showControl(int id, const ControlState& state)
{
    QWidget* widget = control(id);
    if (!widget)
        return;
    const QFont font = fontOf(state.font);
    if (widget->font() != font)
        widget->setFont(font);
    const QString text = qText(state.text);
    if (auto* button = qobject_cast<KrButton*>(widget)) {
        button->setText(text);
        button->setAccessibleName(text.isEmpty() ? widget->objectName() : text);
        button->setImageId(state.imageId);
        button->setImageMode(state.imageMode);
        button->setSelected(state.selected);
        button->setBackColor(qColour(state.backColour));
        button->setTextColor(qColour(state.textColour));
    } else if (auto* push = qobject_cast<QPushButton*>(widget)) {
        push->setText(text);
    } else if (auto* picture = qobject_cast<KrPictureControl*>(widget)) {
        picture->setImageId(state.imageId);
        // A picture's text is its tooltip while it shows a picture.
        picture->setToolTip(state.imageId != -1 ? text : QString());
    } else if (auto* label = qobject_cast<KrStaticText*>(widget)) {
        const FittedText fitted = fitText(text, font, label->size(), label->wordWrap());
        if (label->text() != fitted.shown)
            label->setText(fitted.shown);
        label->setToolTip(fitted.whole ? QString() : text);
        label->setTextColor(qColour(state.textColour));
    } else if (auto* group = qobject_cast<KrGroupFrame*>(widget)) {
        const FittedText fitted = fitText(text, font, group->captionSpace(), false);
        group->setTitle(fitted.shown);
        group->setToolTip(fitted.whole ? QString() : text);
    } else if (auto* field = qobject_cast<KrEdit*>(widget)) {
        // Setting the limit puts the text back and the caret at its end.
        if (const int limit = state.maxLength > 0 ? state.maxLength : kUnlimitedLength; field->maxLength() != limit)
            field->setMaxLength(limit);
        if (field->text() != text)
            field->setText(text);
        field->setTextColor(qColour(state.textColour));
    } else if (auto* details = qobject_cast<KrMultiLineEdit*>(widget)) {
        // The table's texts break their lines with CR LF.
        const QString lines = QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        if (details->toPlainText() != lines)
            details->showText(lines);
        details->setTextColor(qColour(state.textColour));
    } else if (auto* list = qobject_cast<QTreeView*>(widget)) {
        showList(*list, state);
    } else if (auto* combo = qobject_cast<QComboBox*>(widget)) {
        showCombo(*combo, state);
    } else if (auto* table = qobject_cast<EditableTable*>(widget)) {
        table->showState(state);
    } else if (auto* chart = qobject_cast<ChartControl*>(widget)) {
        chart->setSvg(state.svg);
    }
    widget->setEnabled(state.enabled);
    widget->setVisible(state.visible);
}

void WindowHost::showList(QTreeView& list, const ControlState& state)
{
    ControlListModel& model = modelOf(list);
    if (model.columns() != state.columns) {
        model.setColumns(state.columns, fittedHeaders(*list.header(), state.columns));
        for (int i = 0; i < static_cast<int>(state.columns.size()); ++i)
            list.setColumnWidth(i, state.columns[static_cast<std::size_t>(i)].width);
    }
    model.showRows(state.rows);
    const QModelIndex selected = model.index(state.selectedRow, 0);
    if (selected.isValid()) {
        list.selectionModel()->setCurrentIndex(selected, QItemSelectionModel::ClearAndSelect |
                                                             QItemSelectionModel::Rows);
        list.scrollTo(selected);
    } else {
        list.selectionModel()->clear();
    }
}

void WindowHost::showCombo(QComboBox& combo, const ControlState& state)
{
    QStringList entries;
    for (const std::u16string& entry : state.entries)
        entries << qText(entry);
    const QSignalBlocker blocker(&combo);
    QStringList shown;
    for (int i = 0; i < combo.count(); ++i)
        shown << combo.itemText(i);
    if (shown != entries) {
        combo.clear();
        combo.addItems(entries);
    }
    combo.setCurrentIndex(state.currentIndex);
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
