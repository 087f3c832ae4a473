#include "windows/common/edited_rows.h"

std::optional<std::u16string> typedCell(const ControlState& table, int row, int column)
{
    if (row < 0 || row >= static_cast<int>(table.rows.size()))
        return std::nullopt;
    const std::vector<std::u16string>& cells = table.rows[static_cast<std::size_t>(row)].cells;
    if (column < 0 || column >= static_cast<int>(cells.size()))
        return std::nullopt;
    return cells[static_cast<std::size_t>(column)];
}

std::optional<std::size_t> moveSelection(ControlState& table, std::size_t count, int by)
{
    const int row = table.selectedRow;
    const int target = row + by;
    if (row < 0 || row >= static_cast<int>(count) || target < 0 || target >= static_cast<int>(count))
        return std::nullopt;
    table.selectedRow = target;
    return static_cast<std::size_t>(row);
}
