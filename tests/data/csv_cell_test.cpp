#include "data/csv_cell.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct CellCase {
    const char* name;
    std::string text;
    std::string cell;
};

TEST(CsvCell, QuotesOnlyWhatWouldBreakTheLine)
{
    const CellCase cases[] = {
        {"plain", "DN 15 'x' (l/s) \xC3\xBC", "DN 15 'x' (l/s) \xC3\xBC"},
        {"empty", "", ""},
        {"semicolon", "a;b", "\"a;b\""},
        {"quote doubled", "say \"hi\"", "\"say \"\"hi\"\"\""},
        {"lone quote", "\"", "\"\"\"\""},
        {"line feed", "a\nb", "\"a\nb\""},
        {"carriage return", "a\rb", "\"a\rb\""},
    };
    for (const CellCase& c : cases)
        EXPECT_EQ(csvCell(c.text), c.cell) << c.name;
}

} // namespace
