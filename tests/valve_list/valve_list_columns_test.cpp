#include "valve_list/valve_list_columns.h"

#include "data/text_format.h"
#include "data/text_table.h"
#include "tests/support/languages.h"
#include "tests/valve_list/valve_list_rows.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// gtest prints UTF-8 readably, UTF-16 as numbers.
std::vector<std::string> utf8Cells(const ProjectRow& row, int language)
{
    std::vector<std::string> cells;
    for (const std::u16string& cell : valveListCells(row, language))
        cells.push_back(utf16ToUtf8(cell));
    return cells;
}

TEST(ValveListColumns, HeadersAndWidthsInColumnOrder)
{
    const std::vector<std::pair<std::string, int>> expected = {
        {"No.", 40},        {"Name/type", 80},       {"Nominal size", 80}, {"Material number", 100},
        {"dP", 70},         {"Flow rate", 70},       {"Fluid handled", 64}, {"T Supply", 64},
        {"T Return", 64},   {"Power", 64},           {"Presetting", 64},    {"KV value", 40},
        {"Opening (%)", 80}, {"Designation", 300},
    };
    std::vector<std::pair<std::string, int>> actual;
    for (const ValveListColumn& column : kValveListColumns)
        actual.emplace_back(TextTable::utf8(kEnglish, column.headerTextId), column.width);
    EXPECT_EQ(actual, expected);
}

TEST(ValveListColumns, CellsOfARowOfEachKind)
{
    using Cells = std::vector<std::string>;
    const Cells expected[] = {
        {"1", "Arvelo Quarz", "DN 15", "AQ-015", "100,00 (mbar)", "0,50 (l/s)", "Water", "", "", "", "3,70", "5,69",
         "46,25", "Heizkreis Süd"},
        {"2", "Arvelo Nodo", "DN 20", "AN-020", "150,00 (mbar)", "0,25 (l/s)", "Water and glycol 20%", "70,00 (C)",
         "50,00 (C)", "12,50 (kW)", "2,50", "1,20", "62,00", "Radiator 2.1"},
        {"3", "Arvelo Flumen", "DN 25", "AF-025", "", "720,00 (l/h)", "Water", "", "", "", "4,00", "712,50", "",
         "AHU 1"},
        {"4", "Arvelo Statra", "DN 32", "AS-032", "300,00 (mbar)", "1,20 (m3/h)", "Water", "", "", "", "", "", "",
         "Riser A"},
        {"5", "Arvelo Flumen", "DN 15", "AF-015", "250,00 (mbar)", "3,00 (l/h)", "Water", "", "", "", "3,00", "OK", "",
         "Check 1"},
        {"6", "Arvelo Flumen", "DN 15", "AF-015", "80,00 (mbar)", "3,00 (l/h)", "Water", "", "", "", "3,00", "KO", "",
         "Check 2"},
    };
    const std::vector<ProjectRow> rows = rowsOfEachKind();
    ASSERT_EQ(rows.size(), std::size(expected));
    for (std::size_t i = 0; i < rows.size(); ++i)
        EXPECT_EQ(utf8Cells(rows[i], kEnglish), expected[i]) << "row " << i + 1;
}

struct NumberCase {
    const char* name;
    float value;
    const char* cell;
};

TEST(ValveListColumns, OnlyAnExactZeroLeavesANumberCellEmpty)
{
    const NumberCase cases[] = {
        {"zero", 0.0f, ""},
        {"negative zero", -0.0f, ""},
        {"rounds to zero", 0.001f, "0,00 (C)"},
        {"below zero", -5.0f, "-5,00 (C)"},
        {"large", 123456.75f, "123456,75 (C)"},
    };
    for (const NumberCase& c : cases) {
        ProjectRow row = rowsOfEachKind()[0];
        row.t_mandata = c.value;
        EXPECT_EQ(utf8Cells(row, kEnglish)[7], c.cell) << c.name;
    }
}

TEST(ValveListColumns, FluidAndTextsFollowTheLanguageAndKeepTheirCharacters)
{
    ProjectRow row = rowsOfEachKind()[1];
    row.muTemp = "\xE2\x84\x83"; // degree Celsius sign
    row.riferimento = "Насос 🔥 '1'";
    const std::vector<std::string> cells = utf8Cells(row, kRussian);
    EXPECT_EQ(cells[6], "Вода с гликолем 20%");
    EXPECT_EQ(cells[7], "70,00 (\xE2\x84\x83)");
    EXPECT_EQ(cells[13], "Насос 🔥 '1'");
}

TEST(ValveListColumns, AFluidBeyondTheSixHasNoName)
{
    ProjectRow row = rowsOfEachKind()[0];
    row.fluido = 5;
    EXPECT_EQ(utf8Cells(row, kEnglish)[6], "Water and glycol 50%");
    row.fluido = 6; // would otherwise read as the next text of the table
    EXPECT_EQ(utf8Cells(row, kEnglish)[6], "");
}

} // namespace
