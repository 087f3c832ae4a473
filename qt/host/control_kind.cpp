#include "qt/host/control_kind.h"

#include "qt/controls/kr_button.h"
#include "qt/controls/kr_edit.h"
#include "qt/controls/kr_group_frame.h"
#include "qt/controls/kr_multi_line_edit.h"
#include "qt/controls/kr_picture_control.h"
#include "qt/controls/kr_static_text.h"
#include "qt/host/chart_control.h"
#include "qt/host/control_list_model.h"
#include "qt/host/editable_table.h"
#include "qt/host/fitted_text.h"
#include "qt/resources/program_icon.h"
#include "resources/layouts/dialog_units.h"
#include "windows/common/window_logic.h"

#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStyle>
#include <QTreeView>
#include <QValidator>

#include <array>
#include <cstddef>

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

// What every kind does with nothing to bind or show.
void bindNothing(ControlEvents&, int, QWidget&) {}
void showNothing(QWidget&, const ControlState&, const QString&, const QFont&) {}

void bindClicks(ControlEvents& events, int id, QWidget& widget)
{
    QObject::connect(static_cast<QAbstractButton*>(&widget), &QAbstractButton::clicked, &events.eventReceiver(),
                     [&events, id] {
                         events.reportPendingEdits();
                         events.eventLogic().onClick(id);
                         events.eventHandled();
                     });
}

// Owner-drawn button.
void showOwnerDrawnButton(QWidget& widget, const ControlState& state, const QString& text, const QFont&)
{
    auto& button = static_cast<KrButton&>(widget);
    button.setText(text);
    button.setAccessibleName(text.isEmpty() ? widget.objectName() : text);
    button.setImageId(state.imageId);
    button.setImageMode(state.imageMode);
    button.setSelected(state.selected);
    button.setBackColor(qColour(state.backColour));
    button.setTextColor(qColour(state.textColour));
}

// The toolkit's own button.
QWidget* makePushButton(const Control& control, QWidget* parent)
{
    auto* button = new QPushButton(parent);
    button->setAutoDefault(false);
    button->setDefault(control.has(kDefaultButton));
    return button;
}

void showPushButton(QWidget& widget, const ControlState&, const QString& text, const QFont&)
{
    static_cast<QPushButton&>(widget).setText(text);
}

// Picture.
void showPicture(QWidget& widget, const ControlState& state, const QString& text, const QFont&)
{
    auto& picture = static_cast<KrPictureControl&>(widget);
    picture.setImageId(state.imageId);
    // A picture's text is its tooltip while it shows a picture.
    picture.setToolTip(state.imageId != -1 ? text : QString());
}

// The program's icon.
QWidget* makeIcon(const Control& control, QWidget* parent)
{
    auto* icon = new QLabel(parent);
    const PixelRect rect = toPixels(control.rect);
    icon->setPixmap(programIcon().pixmap(rect.width, rect.height));
    return icon;
}

// Static text.
QWidget* makeLabel(const Control& control, QWidget* parent)
{
    auto* label = new KrStaticText(parent);
    if (control.has(kCentred))
        label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    return label;
}

void showLabel(QWidget& widget, const ControlState& state, const QString& text, const QFont& font)
{
    auto& label = static_cast<KrStaticText&>(widget);
    const FittedText fitted = fitText(text, font, label.size(), label.wordWrap());
    if (label.text() != fitted.shown)
        label.setText(fitted.shown);
    label.setToolTip(fitted.whole ? QString() : text);
    label.setTextColor(qColour(state.textColour));
}

// Group frame.
void showGroup(QWidget& widget, const ControlState&, const QString& text, const QFont& font)
{
    auto& group = static_cast<KrGroupFrame&>(widget);
    const FittedText fitted = fitText(text, font, group.captionSpace(), false);
    group.setTitle(fitted.shown);
    group.setToolTip(fitted.whole ? QString() : text);
}

// Field of one line.
QWidget* makeLineField(const Control& control, QWidget* parent)
{
    auto* field = new KrEdit(parent);
    field->setReadOnly(control.has(kReadOnly));
    field->setFrame(control.has(kBorder));
    return field;
}

void bindLineField(ControlEvents& events, int id, QWidget& widget)
{
    auto* field = static_cast<QLineEdit*>(&widget);
    field->setValidator(new TypingValidator(events.eventLogic(), id, field));
    QObject::connect(field, &QLineEdit::textEdited, &events.eventReceiver(), [&events, id](const QString& text) {
        events.eventLogic().controls()[id].text = text.toStdU16String();
        events.eventLogic().onTextChanged(id);
        events.eventHandled();
    });
}

void showLineField(QWidget& widget, const ControlState& state, const QString& text, const QFont&)
{
    auto& field = static_cast<KrEdit&>(widget);
    // Setting the limit puts the text back and the caret at its end.
    if (const int limit = state.maxLength > 0 ? state.maxLength : kUnlimitedLength; field.maxLength() != limit)
        field.setMaxLength(limit);
    if (field.text() != text)
        field.setText(text);
    field.setTextColor(qColour(state.textColour));
}

// Field of several lines.
QWidget* makeTextArea(const Control& control, QWidget* parent)
{
    auto* field = new KrMultiLineEdit(parent);
    field->setReadOnly(control.has(kReadOnly));
    if (!control.has(kBorder))
        field->setFrameShape(QFrame::NoFrame);
    return field;
}

void bindTextArea(ControlEvents& events, int id, QWidget& widget)
{
    auto* lines = static_cast<KrMultiLineEdit*>(&widget);
    if (lines->isReadOnly())
        return;
    // An editable text of several lines: Tab moves on, as in a field.
    lines->setTabChangesFocus(true);
    QObject::connect(lines, &QTextEdit::textChanged, &events.eventReceiver(), [&events, id, lines] {
        if (events.drawingModel())
            return;
        events.eventLogic().controls()[id].text = lines->toPlainText().toStdU16String();
        events.eventLogic().onTextChanged(id);
        events.eventHandled();
    });
}

void showTextArea(QWidget& widget, const ControlState& state, const QString& text, const QFont&)
{
    auto& details = static_cast<KrMultiLineEdit&>(widget);
    // The table's texts break their lines with CR LF.
    const QString lines = QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    if (details.toPlainText() != lines)
        details.showText(lines);
    details.setTextColor(qColour(state.textColour));
}

// Report-style list.
QWidget* makeList(const Control&, QWidget* parent)
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

void bindList(ControlEvents& events, int id, QWidget& widget)
{
    auto* list = static_cast<QTreeView*>(&widget);
    list->viewport()->installEventFilter(&events.eventReceiver());
    QObject::connect(list->selectionModel(), &QItemSelectionModel::currentRowChanged, &events.eventReceiver(),
                     [&events, id](const QModelIndex& current) { events.currentRowMoved(id, current.row()); });
}

void showList(QWidget& widget, const ControlState& state, const QString&, const QFont&)
{
    auto& list = static_cast<QTreeView&>(widget);
    ControlListModel& model = modelOf(list);
    if (model.columns() != state.columns) {
        model.setColumns(state.columns, fittedHeaders(*list.header(), state.columns));
        for (int i = 0; i < static_cast<int>(state.columns.size()); ++i)
            list.setColumnWidth(i, state.columns[static_cast<std::size_t>(i)].width);
    }
    // A row of one cell (a list that says why it shows no valves) spans
    // the list's width; a reset of the model ends every earlier span.
    if (model.showRows(state.rows) && state.columns.size() > 1)
        for (std::size_t row = 0; row < state.rows.size(); ++row)
            if (state.rows[row].cells.size() == 1)
                list.setFirstColumnSpanned(static_cast<int>(row), QModelIndex(), true);
    const QModelIndex selected = model.index(state.selectedRow, 0);
    if (selected.isValid()) {
        list.selectionModel()->setCurrentIndex(selected, QItemSelectionModel::ClearAndSelect |
                                                             QItemSelectionModel::Rows);
        list.scrollTo(selected);
    } else {
        list.selectionModel()->clear();
    }
}

// Drop-down list.
QWidget* makeCombo(const Control&, QWidget* parent) { return new QComboBox(parent); }

void bindCombo(ControlEvents& events, int id, QWidget& widget)
{
    QObject::connect(static_cast<QComboBox*>(&widget), &QComboBox::activated, &events.eventReceiver(),
                     [&events, id](int index) {
                         events.eventLogic().controls()[id].currentIndex = index;
                         events.eventLogic().onSelectionChanged(id);
                         events.eventHandled();
                     });
}

void showCombo(QWidget& widget, const ControlState& state, const QString&, const QFont&)
{
    auto& combo = static_cast<QComboBox&>(widget);
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

// Editable table.
QWidget* makeTable(const Control&, QWidget* parent) { return new EditableTable(parent); }

void bindTable(ControlEvents& events, int id, QWidget& widget)
{
    auto* table = static_cast<EditableTable*>(&widget);
    QObject::connect(table, &EditableTable::cellEdited, &events.eventReceiver(),
                     [&events, id](int row, int column, const QString& text) {
                         std::vector<ListRow>& rows = events.eventLogic().controls()[id].rows.edit();
                         if (row < 0 || row >= static_cast<int>(rows.size()) || column < 0)
                             return;
                         std::vector<std::u16string>& cells = rows[static_cast<std::size_t>(row)].cells;
                         if (static_cast<std::size_t>(column) >= cells.size())
                             cells.resize(static_cast<std::size_t>(column) + 1);
                         cells[static_cast<std::size_t>(column)] = text.toStdU16String();
                         events.eventLogic().onCellChanged(id, row, column);
                         events.eventHandled();
                     });
    QObject::connect(table, &EditableTable::currentCellMoved, &events.eventReceiver(),
                     [&events, id](int row, int column) {
                         events.eventLogic().controls()[id].selectedRow = row;
                         events.eventLogic().controls()[id].currentColumn = column;
                     });
}

void showTable(QWidget& widget, const ControlState& state, const QString&, const QFont&)
{
    static_cast<EditableTable&>(widget).showState(state);
}

// Chart.
QWidget* makeChart(const Control&, QWidget* parent) { return new ChartControl(parent); }

void showChart(QWidget& widget, const ControlState& state, const QString&, const QFont&)
{
    static_cast<ChartControl&>(widget).setSvg(state.svg);
}

template <typename Widget>
QWidget* makePlain(const Control&, QWidget* parent)
{
    return new Widget(parent);
}

// One entry per ControlClass, in the order of its values.
constexpr std::array<ControlKind, 11> kKinds{{
    {makePlain<KrButton>, bindClicks, showOwnerDrawnButton, false},     // OwnerDrawnButton
    {makePushButton, bindClicks, showPushButton, false},                // PushButton
    {makePlain<KrPictureControl>, bindNothing, showPicture, false},     // Picture
    {makeIcon, bindNothing, showNothing, false},                        // Icon
    {makeLabel, bindNothing, showLabel, false},                         // Label
    {makePlain<KrGroupFrame>, bindNothing, showGroup, false},           // Group
    {makeLineField, bindLineField, showLineField, true},                // Field
    {makeList, bindList, showList, true},                               // ListView
    {makeCombo, bindCombo, showCombo, true},                            // ComboBox
    {makeTable, bindTable, showTable, false},                           // EditableTable
    {makeChart, bindNothing, showChart, false},                         // Chart
}};
static_assert(kKinds.size() == static_cast<std::size_t>(ControlClass::Chart) + 1, "a kind for every control class");
constexpr ControlKind kTextArea{makeTextArea, bindTextArea, showTextArea, true};

} // namespace

const ControlKind& controlKindOf(const Control& control)
{
    if (control.controlClass == ControlClass::Field && control.has(kMultiLine))
        return kTextArea;
    return kKinds[static_cast<std::size_t>(control.controlClass)];
}
