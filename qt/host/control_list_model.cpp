#include "qt/host/control_list_model.h"

namespace {

QString qText(const std::u16string& text) { return QString::fromStdU16String(text); }

} // namespace

void ControlListModel::setColumns(const std::vector<ListColumn>& columns, const QStringList& shownHeaders)
{
    beginResetModel();
    columns_ = columns;
    shownHeaders_ = shownHeaders;
    rows_ = {};
    endResetModel();
}

bool ControlListModel::showRows(const ListRows& rows)
{
    if (rows == rows_) {
        // Equal rows of another copy: keeping that copy lets the next
        // comparison end at once.
        rows_ = rows;
        return false;
    }
    beginResetModel();
    rows_ = rows;
    endResetModel();
    return true;
}

int ControlListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int ControlListModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(columns_.size());
}

QVariant ControlListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount() || index.column() >= columnCount())
        return {};
    const ListRow& row = rows_[static_cast<std::size_t>(index.row())];
    const auto column = static_cast<std::size_t>(index.column());
    switch (role) {
    case Qt::DisplayRole: return column < row.cells.size() ? qText(row.cells[column]) : QString();
    case Qt::TextAlignmentRole:
        return columns_[column].centred ? QVariant(Qt::AlignCenter) : QVariant(Qt::AlignLeft | Qt::AlignVCenter);
    case Qt::DecorationRole:
        if (column == 0 && row.imageIndex >= 0 && row.imageIndex < images_.size())
            return images_[row.imageIndex];
        return {};
    default: return {};
    }
}

QVariant ControlListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= columnCount())
        return {};
    const ListColumn& column = columns_[static_cast<std::size_t>(section)];
    const QString whole = qText(column.header);
    const QString shown = section < shownHeaders_.size() ? shownHeaders_[section] : whole;
    switch (role) {
    case Qt::DisplayRole: return shown;
    case Qt::ToolTipRole: return shown == whole ? QVariant() : QVariant(whole);
    case Qt::TextAlignmentRole: return column.centred ? QVariant(Qt::AlignCenter) : QVariant();
    default: return {};
    }
}
