// Export writes the valve list as the database holds it when the file is
// written; a list that cannot be read writes nothing, leaves an earlier
// file as it was, and says why instead of "File saved".

#include "data/text_format.h"
#include "data/text_table.h"
#include "tests/reliability/valve_list_window.h"
#include "tests/support/file_bytes.h"
#include "tests/support/fixture_db.h"
#include "tests/support/languages.h"
#include "valve_list/valve_list_export.h"
#include "valve_list/valve_list_fault_texts.h"

#include <sqlite3.h>

using namespace MainWindowId;

namespace {

const std::string kEarlier = "an earlier export\r\n";

struct ExportCase {
    const char* name;
    const char* fileName;
    const char* otherProgram; // run on the file after the list was shown
    bool holdExclusiveLock;   // by a second connection while exporting
    int reason;               // the text of why, in the user's words; 0: the export is saved
};

void PrintTo(const ExportCase& c, std::ostream* out) { *out << c.name; }

class ValveListWindowExportTest : public ValveListWindowTest, public testing::WithParamInterface<ExportCase> {};

TEST_P(ValveListWindowExportTest, WritesTheStoredListOrNothing)
{
    const ExportCase& c = GetParam();
    fillProjectAndCustomer();
    files.answer = folder.path() / "Export" / c.fileName;
    writeFile(*files.answer, kEarlier);
    if (*c.otherProgram)
        fixture::execute(database(), c.otherProgram);
    sqlite3* other = nullptr;
    if (c.holdExclusiveLock) {
        sqlite3_open(database().c_str(), &other);
        ASSERT_EQ(sqlite3_exec(other, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr), SQLITE_OK);
    }
    click(kExportButton);
    sqlite3_close(other); // ends the lock, rolling back

    if (c.reason != 0) {
        EXPECT_EQ(messages.shown, std::vector<std::u16string>{told(ValveListFaultText::kExportNotRead,
                                                                   TextTable::text(kGerman, c.reason))});
        EXPECT_EQ(fileBytes(*files.answer), kEarlier);
        EXPECT_TRUE(protocols.printed.empty());
        return;
    }
    EXPECT_EQ(messages.shown, std::vector<std::u16string>{std::u16string(TextTable::text(kGerman, 47))});
    std::vector<ProjectRow> now;
    ASSERT_TRUE(db.loadProjects(now));
    if (protocols.printed.empty()) {
        EXPECT_EQ(fileBytes(*files.answer), valveListExport(u"Schule", u"Stadt", kGerman, now));
        return;
    }
    ASSERT_EQ(protocols.printed.size(), 1u);
    ASSERT_EQ(protocols.printed[0].rows.size(), now.size());
    EXPECT_EQ(protocols.printed[0].rows.back()[13], utf8ToUtf16(now.back().riferimento));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ValveListWindowExportTest,
    testing::Values(
        ExportCase{"ValveAddedElsewhere", "liste.csv",
                   "INSERT INTO progetti (posizione, riferimento) VALUES (3, 'Other program')", false, 0},
        ExportCase{"ValveDeletedElsewhere", "liste.csv", "DELETE FROM progetti WHERE posizione = 1", false, 0},
        ExportCase{"ProtocolOfAValveAddedElsewhere", "protokoll.pdf",
                   "INSERT INTO progetti (posizione, riferimento) VALUES (3, 'Other program')", false, 0},
        // Another program holds the file; a table that is gone is a fault
        // the user can only report.
        ExportCase{"ExclusiveLock", "liste.csv", "", true, ValveListFaultText::kReasonBusy},
        ExportCase{"ProtocolUnderAnExclusiveLock", "protokoll.pdf", "", true, ValveListFaultText::kReasonBusy},
        ExportCase{"TableDropped", "liste.csv", "DROP TABLE progetti", false, ValveListFaultText::kReasonOther}),
    [](const testing::TestParamInfo<ExportCase>& info) { return info.param.name; });

} // namespace
