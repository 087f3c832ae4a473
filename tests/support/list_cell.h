#pragma once

#include "data/text_format.h"
#include "windows/common/control_model.h"

#include <gtest/gtest.h>

#include <string>

// A cell of a report-style list by its row and its column's header; fails
// the test where the list has no such cell.
inline std::u16string listCell(const ControlState& list, std::size_t row, const std::u16string& header)
{
    for (std::size_t column = 0; column < list.columns.size(); ++column)
        if (list.columns[column].header == header && row < list.rows.size())
            return list.rows[row].cells.at(column);
    ADD_FAILURE() << "no result column " << utf16ToUtf8(header) << " in row " << row;
    return {};
}
