#include "qt/host/editable_table.h"

#include <QComboBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QStyledItemDelegate>

namespace {

QString qText(const std::u16string& text) { return QString::fromStdU16String(text); }

// Free text in a line, choices in a drop-down list; Return moves on like Tab.
class CellDelegate : public QStyledItemDelegate {
public:
    explicit CellDelegate(EditableTable& table) : QStyledItemDelegate(&table), table_(table) {}

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        const std::vector<std::u16string>& choices = table_.choicesOf(index.column());
        if (choices.empty())
            return QStyledItemDelegate::createEditor(parent, option, index);
        auto* combo = new QComboBox(parent);
        for (const std::u16string& choice : choices)
            combo->addItem(qText(choice));
        return combo;
    }

    void setEditorData(QWidget* editor, const QModelIndex& index) const override
    {
        if (auto* combo = qobject_cast<QComboBox*>(editor)) {
            combo->setCurrentIndex(std::max(0, combo->findText(index.data().toString())));
            return;
        }
        QStyledItemDelegate::setEditorData(editor, index);
    }

    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override
    {
        if (auto* combo = qobject_cast<QComboBox*>(editor)) {
            model->setData(index, combo->currentText());
            return;
        }
        QStyledItemDelegate::setModelData(editor, model, index);
    }

protected:
    bool eventFilter(QObject* object, QEvent* event) override
    {
        auto* editor = qobject_cast<QWidget*>(object);
        if (editor && event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter) {
                emit commitData(editor);
                emit closeEditor(editor, QAbstractItemDelegate::EditNextItem);
                return true;
            }
        }
        return QStyledItemDelegate::eventFilter(object, event);
    }

private:
    EditableTable& table_;
};

} // namespace

EditableTable::EditableTable(QWidget* parent) : QTableWidget(parent)
{
    setItemDelegate(new CellDelegate(*this));
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::AnyKeyPressed | QAbstractItemView::DoubleClicked |
                    QAbstractItemView::EditKeyPressed | QAbstractItemView::SelectedClicked);
    setTabKeyNavigation(true);
    horizontalHeader()->setStretchLastSection(true);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 8);
    // The edit is reported once the editor has closed and the view has
    // moved on, so the host may change the rows without pulling the
    // current editor from under the view.
    connect(this, &QTableWidget::itemChanged, this, [this](QTableWidgetItem* item) {
        pending_.push_back({item->row(), item->column(), item->text()});
        QMetaObject::invokeMethod(this, [this] { reportEdits(); }, Qt::QueuedConnection);
    });
    connect(this, &QTableWidget::currentCellChanged, this,
            [this](int row, int column) { emit currentCellMoved(row, column); });
}

const std::vector<std::u16string>& EditableTable::choicesOf(int column) const
{
    static const std::vector<std::u16string> kNone;
    return column >= 0 && column < static_cast<int>(choices_.size()) ? choices_[static_cast<std::size_t>(column)] : kNone;
}

void EditableTable::reportEdits()
{
    // Each report redraws the table, which may edit more: those come next.
    std::vector<Edit> edits;
    edits.swap(pending_);
    for (const Edit& edit : edits)
        emit cellEdited(edit.row, edit.column, edit.text);
}

void EditableTable::showState(const ControlState& state)
{
    const QSignalBlocker blocker(this);
    choices_ = state.columnChoices;
    if (columns_ != state.columns) {
        columns_ = state.columns;
        setColumnCount(static_cast<int>(columns_.size()));
        QStringList headers;
        for (const ListColumn& column : columns_)
            headers << qText(column.header);
        setHorizontalHeaderLabels(headers);
        for (int i = 0; i < columnCount(); ++i)
            setColumnWidth(i, columns_[static_cast<std::size_t>(i)].width);
    }
    setRowCount(static_cast<int>(state.rows.size()));
    for (int r = 0; r < rowCount(); ++r) {
        const ListRow& row = state.rows[static_cast<std::size_t>(r)];
        for (int c = 0; c < columnCount(); ++c) {
            const QString text = c < static_cast<int>(row.cells.size()) ? qText(row.cells[static_cast<std::size_t>(c)])
                                                                         : QString();
            QTableWidgetItem* cell = item(r, c);
            if (!cell) {
                cell = new QTableWidgetItem;
                if (columns_[static_cast<std::size_t>(c)].centred)
                    cell->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
                setItem(r, c, cell);
            }
            // The cell being edited keeps what the user is typing.
            const bool editing = this->state() == QAbstractItemView::EditingState && currentRow() == r &&
                                 currentColumn() == c;
            if (cell->text() != text && !editing)
                cell->setText(text);
        }
    }
    if (state.selectedRow >= 0 && state.selectedRow < rowCount() && this->state() != QAbstractItemView::EditingState &&
        (currentRow() != state.selectedRow || currentColumn() != state.currentColumn))
        setCurrentCell(state.selectedRow, std::clamp(state.currentColumn, 0, std::max(0, columnCount() - 1)));
}

void EditableTable::keyPressEvent(QKeyEvent* event)
{
    // Return on a cell that is not being edited moves on, as Tab does.
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && state() != EditingState) {
        const QModelIndex next = moveCursor(MoveNext, Qt::NoModifier);
        if (next.isValid())
            setCurrentIndex(next);
        return;
    }
    QTableWidget::keyPressEvent(event);
}
