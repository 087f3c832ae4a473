#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// The column texts of one row as the execute callback hands them over
// (a null pointer for SQL NULL), read by position with C-locale conversions.
class RowReader {
public:
    RowReader(int columnCount, char** values) : count_(columnCount), values_(values) {}

    int columnCount() const { return count_; }
    bool isNull(int column) const;
    // Text cut to maxBytes on a character boundary; NULL or a missing column read as "".
    std::string text(int column, std::size_t maxBytes) const;
    // NULL, a missing column or a text without a number read as 0.
    float real(int column) const;
    // A number column of the valve list: NULL, a missing column and a text
    // that is not wholly a number (another program's "NaN", "Infinity", a
    // word) read as NaN, which no view shows as a number: no value is not 0.
    float storedNumber(int column) const;
    std::int64_t integer(int column) const;

private:
    int count_;
    char** values_;
};
