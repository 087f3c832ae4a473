#pragma once

#include "windows/common/control_model.h"

#include <algorithm>
#include <optional>
#include <string>
#include <utility>
#include <vector>

// A table whose rows are a window's records (circuits, branches) typed in
// cell by cell: one row per record and a last, empty row that takes a new
// one; the selected record is deleted or moved up and down.

// The cell at row and column as the host handed it over; none outside the
// table.
std::optional<std::u16string> typedCell(const ControlState& table, int row, int column);

// Moves the table's selection by `by` within `count` rows and returns the
// row it left, to swap with the selected one; none when it cannot move.
std::optional<std::size_t> moveSelection(ControlState& table, std::size_t count, int by);

// Shows a row per record, its cells from cellsOf, then the empty row; the
// selection stays within the table.
template <class Record, class CellsOf>
void showEditedRows(ControlState& table, const std::vector<Record>& records, CellsOf cellsOf)
{
    table.rows.clear();
    for (const Record& record : records)
        table.rows.push_back({-1, cellsOf(record)});
    table.rows.push_back({-1, std::vector<std::u16string>(table.columns.size())});
    table.selectedRow = std::min(table.selectedRow, static_cast<int>(table.rows.size()) - 1);
}

// Deletes the selected record; false when the selection is none, or the
// empty row.
template <class Record>
bool deleteSelectedRecord(const ControlState& table, std::vector<Record>& records)
{
    const int row = table.selectedRow;
    if (row < 0 || static_cast<std::size_t>(row) >= records.size())
        return false;
    records.erase(records.begin() + row);
    return true;
}

// Moves the selected record, and the selection with it, by `by` rows;
// false when it cannot move.
template <class Record>
bool moveSelectedRecord(ControlState& table, std::vector<Record>& records, int by)
{
    const std::optional<std::size_t> row = moveSelection(table, records.size(), by);
    if (!row)
        return false;
    std::swap(records[*row], records[static_cast<std::size_t>(table.selectedRow)]);
    return true;
}
