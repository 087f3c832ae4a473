// Values no window can show, stored by another program in the valve list
// or in the catalogue: "---" in the list, the export file and the protocol,
// never "inf", "nan" or thirty digits; a curve that cannot be drawn is not
// drawn, and the user is told why.

#include "data/text_format.h"
#include "data/text_table.h"
#include "tests/reliability/valve_list_window.h"
#include "tests/support/file_bytes.h"
#include "tests/support/fixture_db.h"
#include "tests/support/languages.h"
#include "valve_list/valve_list_export.h"

using namespace MainWindowId;

namespace {

struct StoredValueCase {
    const char* name;
    const char* column;
    const char* value; // as SQL
    std::size_t cell;  // list column
    std::u16string shown;
    std::string exported; // that field of the export line
};

void PrintTo(const StoredValueCase& c, std::ostream* out) { *out << c.name; }

class OutOfRangeStoredValueTest : public ValveListWindowTest, public testing::WithParamInterface<StoredValueCase> {};

// The fields of the export line of the valve numbered 3.
std::vector<std::string> fieldsOfValve3(const std::string& file)
{
    const std::size_t start = file.find("\r\n3;") + 2;
    const std::string line = file.substr(start, file.find("\r\n", start) - start);
    std::vector<std::string> fields(1);
    for (const char c : line) {
        if (c == ';')
            fields.emplace_back();
        else
            fields.back() += c;
    }
    return fields;
}

TEST_P(OutOfRangeStoredValueTest, ShowsNoNumberWhereNoneCanBeShown)
{
    const StoredValueCase& c = GetParam();
    fixture::execute(database(), std::string("INSERT INTO progetti (posizione, riferimento, muP, muQ, muPower, muTemp, ") +
                                     c.column + ") VALUES (3, 'Odd', 'mbar', 'l/s', 'kW', 'C', " + c.value + ")");
    add(u"V3"); // reloads the list
    const ListRows& rows = window.controls().find(kValveList)->rows;
    ASSERT_GT(rows.size(), 2u);
    const ListRow& row = rows[2];
    EXPECT_EQ(row.cells.at(c.cell), c.shown);

    fillProjectAndCustomer();
    files.answer = folder.path() / "Export" / "liste.csv";
    click(kExportButton);
    const std::string exported = fileBytes(*files.answer);
    const std::vector<std::string> fields = fieldsOfValve3(exported);
    ASSERT_EQ(fields.size(), 19u) << exported;
    EXPECT_EQ(fields.at(c.cell), c.exported);
    for (const char* spoiled : {"inf", "nan", "e+"})
        EXPECT_EQ(exported.find(spoiled), std::string::npos) << spoiled;

    files.answer = folder.path() / "Export" / "protokoll.pdf";
    click(kExportButton);
    ASSERT_EQ(protocols.printed.size(), 1u);
    // The protocol prints temperatures only beside the power of a flow
    // calculation, which this row does not have.
    const bool temperature = c.cell == 7 || c.cell == 8;
    EXPECT_EQ(protocols.printed[0].rows.at(2).at(c.cell), temperature ? u"---" : c.shown);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, OutOfRangeStoredValueTest,
    testing::Values(StoredValueCase{"PressureBeyondSinglePrecision", "dP", "1e39", 4, u"--- (mbar)", "--- (mbar)"},
                    StoredValueCase{"NegativeFlowBeyondSinglePrecision", "portata", "-1e39", 5, u"--- (l/s)",
                                    "--- (l/s)"},
                    StoredValueCase{"TemperatureWithThirtyDigits", "t_mandata", "1e30", 7, u"--- (C)", "--- (C)"},
                    StoredValueCase{"PowerAsNaNText", "potenza", "'NaN'", 9, u"--- (kW)", "--- (kW)"},
                    StoredValueCase{"FlowAsInfinityText", "portata", "'Infinity'", 5, u"--- (l/s)", "--- (l/s)"},
                    StoredValueCase{"PressureAsWord", "dP", "'hoch'", 4, u"--- (mbar)", "--- (mbar)"},
                    StoredValueCase{"PressureAsLowerCaseInfText", "dP", "'-inf'", 4, u"--- (mbar)", "--- (mbar)"},
                    // SQLite keeps 1e999 as an infinite real.
                    StoredValueCase{"ReturnTemperatureInfiniteReal", "t_ritorno", "1e999", 8, u"--- (C)", "--- (C)"},
                    StoredValueCase{"KvValueTextBeyondSinglePrecision", "kv", "'1e39'", 11, u"---", "--- (l/s)"},
                    StoredValueCase{"KvValueAsNaNText", "kv", "'NaN'", 11, u"---", "--- (l/s)"},
                    StoredValueCase{"PresettingAsInfinityText", "presetting", "'Infinity'", 10, u"---", "--- (-)"},
                    StoredValueCase{"OpeningWithThirtyDigits", "apertura", "'1e30'", 12, u"---", "---"}),
    [](const testing::TestParamInfo<StoredValueCase>& info) { return info.param.name; });

// A catalogue curve with a value beyond double range read as a float: the
// window says it cannot draw the curve instead of drawing "inf".
TEST_F(ValveListWindowTest, ACurveThatCannotBeDrawnIsNotShownAndTheUserIsTold)
{
    fixture::execute(database(), "UPDATE preset SET p37 = 1e308");
    window.calculate();
    ASSERT_NE(window.controls().find(kValvePicture)->imageId, -1);
    window.onDoubleClick(kValvePicture);
    EXPECT_TRUE(curves.shown.empty());
    EXPECT_EQ(messages.shown, std::vector<std::u16string>{std::u16string(TextTable::text(kGerman, 119))});
}

} // namespace
