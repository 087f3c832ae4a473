// The valve list holds site records that cannot be made again: a second
// program on the same file, a lock at start-up or a careless click never
// loses them unseen. Each case runs on a real database file, the other
// program through a connection of its own.

#include "app/startup.h"
#include "data/text_format.h"
#include "data/text_table.h"
#include "db/measurement_store.h"
#include "tests/reliability/broken_catalogue.h"
#include "tests/reliability/valve_list_check.h"
#include "tests/reliability/valve_list_window.h"
#include "tests/support/fixture_db.h"
#include "tests/support/languages.h"
#include "valve_list/valve_list_fault_texts.h"
#include "valve_list/valve_list_record_texts.h"

#include <sqlite3.h>

#include <memory>

namespace fs = std::filesystem;
using namespace MainWindowId;
using namespace ValveListRecordText;

namespace {

std::u16string german(int textId, std::initializer_list<std::u16string_view> arguments = {})
{
    return formatText(TextTable::text(kGerman, textId), arguments);
}

// Another program's connection to the file.
constexpr int kTextTypeSeries = 32; // "Type series": a valve was found

class OtherProgram {
public:
    explicit OtherProgram(const fs::path& database) { sqlite3_open(database.c_str(), &db_); }
    ~OtherProgram() { sqlite3_close(db_); }
    OtherProgram(const OtherProgram&) = delete;
    OtherProgram& operator=(const OtherProgram&) = delete;

    void run(const char* statements)
    {
        ASSERT_EQ(sqlite3_exec(db_, statements, nullptr, nullptr, nullptr), SQLITE_OK) << statements;
    }
    void record(std::int64_t posizione, const std::string& riferimento)
    {
        MeasurementRow reading;
        reading.posizione = posizione;
        reading.riferimento = riferimento;
        reading.flow = 0.5f;
        ASSERT_EQ(MeasurementStore(db_).record(reading), std::nullopt);
    }
    std::size_t readings()
    {
        return MeasurementStore(db_).load().rows.size();
    }

private:
    sqlite3* db_ = nullptr;
};

// "Delete table": asked first with what goes; only the rows this window
// shows, each as it shows it, are deleted with their readings.
struct ClearCase {
    const char* name;
    const char* otherProgram; // after the list was shown
    bool answerYes;
    std::vector<std::u16string> told;
    std::multiset<std::string> storedAfter;
    std::size_t readingsAfter; // V1 had two readings, V2 one
};

void PrintTo(const ClearCase& c, std::ostream* out) { *out << c.name; }

class ValveListClearTest : public ValveListWindowTest, public testing::WithParamInterface<ClearCase> {};

TEST_P(ValveListClearTest, AsksAndDeletesOnlyWhatTheWindowShows)
{
    const ClearCase& c = GetParam();
    OtherProgram other(database());
    other.record(1, "V1");
    other.record(1, "V1");
    other.record(2, "V2");
    if (*c.otherProgram)
        other.run(c.otherProgram);
    messages.answer = c.answerYes;
    click(kDeleteTableButton);
    EXPECT_EQ(messages.asked, std::vector<std::u16string>{german(kAskDeleteTable, {u"2", u"3"})});
    EXPECT_EQ(messages.shown, c.told);
    EXPECT_EQ(stored(), c.storedAfter);
    EXPECT_EQ(other.readings(), c.readingsAfter);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ValveListClearTest,
    testing::Values(
        ClearCase{"AnsweredNo", "", false, {}, {"V1", "V2"}, 3},
        ClearCase{"NothingChanged", "", true, {}, {}, 0},
        ClearCase{"AValveAddedElsewhereStays",
                  "INSERT INTO progetti (posizione, riferimento) VALUES (3, 'Other program')", true,
                  {german(kValvesKept, {u"2", u"1"})}, {"Other program"}, 0},
        ClearCase{"AValveChangedElsewhereStaysWithItsReadings", "UPDATE progetti SET portata = 0.9 WHERE posizione = 1",
                  true, {german(kValvesKept, {u"1", u"1"})}, {"V1"}, 2},
        ClearCase{"AValveDeletedAndAddedAnewElsewhereStays",
                  "DELETE FROM progetti WHERE posizione = 2;"
                  "INSERT INTO progetti (posizione, riferimento, portata) VALUES (2, 'V2', 0.8)",
                  true, {german(kValvesKept, {u"1", u"1"})}, {"V2"}, 1}),
    [](const testing::TestParamInfo<ClearCase>& info) { return info.param.name; });

// "Delete valve" on a valve with readings names them first.
struct MeasuredDeleteCase {
    const char* name;
    int readings; // of V2
    bool answerYes;
    std::vector<std::u16string> asked;
    std::multiset<std::string> storedAfter;
};

void PrintTo(const MeasuredDeleteCase& c, std::ostream* out) { *out << c.name; }

class ValveListMeasuredDeleteTest : public ValveListWindowTest,
                                    public testing::WithParamInterface<MeasuredDeleteCase> {};

TEST_P(ValveListMeasuredDeleteTest, NamesTheReadingsThatGoWithTheValve)
{
    const MeasuredDeleteCase& c = GetParam();
    OtherProgram other(database());
    for (int i = 0; i < c.readings; ++i)
        other.record(2, "V2");
    messages.answer = c.answerYes;
    clickRow(1);
    click(kDeleteValveButton);
    EXPECT_EQ(messages.asked, c.asked);
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(stored(), c.storedAfter);
    EXPECT_EQ(other.readings(), c.storedAfter.count("V2") ? std::size_t(c.readings) : 0u);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ValveListMeasuredDeleteTest,
    testing::Values(MeasuredDeleteCase{"NoReadingsNoQuestion", 0, false, {}, {"V1"}},
                    MeasuredDeleteCase{"AnsweredNo", 2, false, {german(kAskDeleteMeasuredValve, {u"2 V2", u"2"})},
                                       {"V1", "V2"}},
                    MeasuredDeleteCase{"AnsweredYes", 1, true, {german(kAskDeleteMeasuredValve, {u"2 V2", u"1"})},
                                       {"V1"}}),
    [](const testing::TestParamInfo<MeasuredDeleteCase>& info) { return info.param.name; });

// A designation with blanks at its ends is the designation without them.
struct DesignationCase {
    const char* name;
    std::u16string typed;
    std::vector<std::u16string> told;
    std::multiset<std::string> storedAfter;
};

void PrintTo(const DesignationCase& c, std::ostream* out) { *out << c.name; }

class NewDesignationTest : public ValveListWindowTest, public testing::WithParamInterface<DesignationCase> {};

TEST_P(NewDesignationTest, IsTrimmedBeforeTheCheckAndTheInsert)
{
    const DesignationCase& c = GetParam();
    add(c.typed);
    EXPECT_EQ(messages.shown, c.told);
    EXPECT_EQ(stored(), c.storedAfter);
}

const std::u16string kExists = std::u16string(TextTable::text(kGerman, 105));
const std::u16string kEnterDesignation = std::u16string(TextTable::text(kGerman, 104));

INSTANTIATE_TEST_SUITE_P(
    Cases, NewDesignationTest,
    testing::Values(DesignationCase{"BlankAfter", u"V1 ", {kExists}, {"V1", "V2"}},
                    DesignationCase{"BlanksAndTabBefore", u" \tV2", {kExists}, {"V1", "V2"}},
                    DesignationCase{"NewOneStoredTrimmed", u"  HK 1.03 Flur ", {}, {"V1", "V2", "HK 1.03 Flur"}},
                    DesignationCase{"BlankInsideKept", u"HK  1", {}, {"V1", "V2", "HK  1"}},
                    DesignationCase{"OnlyBlanks", u"   ", {kEnterDesignation}, {"V1", "V2"}}),
    [](const testing::TestParamInfo<DesignationCase>& info) { return info.param.name; });

// The message after an export names the folder it went to, unless it is
// the export folder.
TEST_F(ValveListWindowTest, TheSavedMessageNamesAFolderOtherThanTheExportFolder)
{
    fillProjectAndCustomer();
    const fs::path elsewhere = folder.path() / "Baustelle";
    fs::create_directory(elsewhere);
    files.answer = elsewhere / "liste.csv";
    click(kExportButton);
    files.answer = folder.path() / "Export" / "liste.csv";
    click(kExportButton);
    EXPECT_EQ(messages.shown, (std::vector<std::u16string>{german(kFileSavedIn, {elsewhere.u16string()}),
                                                           std::u16string(TextTable::text(kGerman, 47))}));
}

// Started while another program holds the file: the list says it was not
// read, refuses every change and the export, and is read at the first
// click once the lock is gone.
class LockedAtStartTest : public testing::Test, protected AnsweredMainWindow {
protected:
    void SetUp() override
    {
        writeReliabilityCatalogue(folder.path());
        fixture::execute(database(), "INSERT INTO progetti (posizione, riferimento) VALUES (1, 'V1'), (2, 'V2')");
        other = std::make_unique<OtherProgram>(database());
        other->record(1, "V1");
        other->run("BEGIN EXCLUSIVE");
        db.setBusyTimeout(100);
        RecordedMessages startup;
        window.setExportFolder(runStartup(state, db, startup, folder.path()).exportFolder);
        window.onOpen();
    }

    fs::path database() const { return folder.path() / "DB" / "mvd.db"; }
    const ListRows& rows() const { return window.controls().find(kValveList)->rows; }

    TempFolder folder;
    std::unique_ptr<OtherProgram> other;
};

TEST_F(LockedAtStartTest, TheListSaysItWasNotReadInsteadOfShowingNoValves)
{
    ASSERT_TRUE(state.projectsNotRead);
    EXPECT_EQ(state.projectsNotRead->code, SQLITE_BUSY);
    ASSERT_EQ(rows().size(), 1u);
    EXPECT_EQ(rows()[0].cells, std::vector<std::u16string>{german(kListNotReadYet, {german(ValveListFaultText::kReasonBusy)})});
}

TEST_F(LockedAtStartTest, NoChangeOrExportUntilTheListHasBeenRead)
{
    window.controls()[kProjectField].text = u"Schule";
    window.controls()[kCustomerField].text = u"Stadt";
    files.answer = folder.path() / "Export" / "liste.csv";
    window.onListClick(kValveList, 0); // the row that says why
    for (const int button : {kDeleteTableButton, kDeleteValveButton, kExportButton})
        window.onClick(button);
    const std::u16string refused = german(kListNotReadYet, {german(ValveListFaultText::kReasonBusy)});
    EXPECT_EQ(messages.shown, std::vector<std::u16string>(3, refused));
    EXPECT_TRUE(messages.asked.empty());
    EXPECT_EQ(window.valveListIndex, -1);
    EXPECT_FALSE(fs::exists(*files.answer));

    other->run("ROLLBACK");
    EXPECT_EQ(inspectValveList(database()).designations, (std::multiset<std::string>{"V1", "V2"}));
    EXPECT_EQ(other->readings(), 1u);
}

// Another program holds the file past the wait: a count of readings that
// was not read asks nothing and deletes nothing (V1's reading and V1 went
// without the question), and no reading is recorded.
TEST_F(ValveListWindowTest, ALockIsNeverTakenForNoReadings)
{
    OtherProgram other(database());
    other.record(1, "V1");
    other.run("BEGIN EXCLUSIVE");
    const std::u16string notRead = german(ValveListFaultText::kReadingsNotRead, {german(ValveListFaultText::kReasonBusy)});
    clickRow(0);
    click(kDeleteValveButton);
    click(kDeleteTableButton);
    EXPECT_EQ(messages.shown, (std::vector<std::u16string>{notRead, notRead}));
    EXPECT_TRUE(messages.asked.empty());
    other.run("ROLLBACK");
    EXPECT_EQ(inspectValveList(database()).designations, (std::multiset<std::string>{"V1", "V2"}));
    EXPECT_EQ(other.readings(), 1u);
}

// Started under the lock, the program read no fluids, and sizing said that
// no valve fits until it was started again. The page says now that the
// catalogue was not read, and the first calculation after the lock reads it.
TEST_F(LockedAtStartTest, SizingSaysTheCatalogueWasNotReadAndReadsItOnceFree)
{
    EXPECT_TRUE(state.engine.fluids.empty());
    for (const int button : {kSizingButton, kStaticGroupButton, kFirstTypeButton})
        window.onClick(button);
    window.controls()[kFirstInput].text = u"0,5";
    window.onTextChanged(kFirstInput);
    messages.shown.clear();
    window.calculate();
    EXPECT_EQ(window.controls().find(kTypeSeriesLabel)->text, german(ValveListFaultText::kCatalogueNotReadStatus));
    EXPECT_EQ(messages.shown, std::vector<std::u16string>{german(ValveListFaultText::kCatalogueNotRead,
                                                                 {german(ValveListFaultText::kReasonBusy)})});

    other->run("ROLLBACK");
    messages.shown.clear();
    window.calculate();
    EXPECT_FALSE(state.engine.fluids.empty());
    EXPECT_EQ(window.controls().find(kTypeSeriesLabel)->text, german(kTextTypeSeries));
    EXPECT_NE(window.controls().find(kValvePicture)->imageId, -1);
    EXPECT_TRUE(messages.shown.empty());
}

struct FirstClickCase {
    const char* name;
    int button;
};

void PrintTo(const FirstClickCase& c, std::ostream* out) { *out << c.name; }

class FirstClickAfterTheLockTest : public LockedAtStartTest, public testing::WithParamInterface<FirstClickCase> {};

// The first click after the lock is gone shows the list; a change or an
// export of a list the user has not seen yet waits for the next click.
TEST_P(FirstClickAfterTheLockTest, ReadsAndShowsTheListFirst)
{
    window.onClick(kSizingButton);
    EXPECT_EQ(rows().size(), 1u) << "still locked";
    other->run("ROLLBACK");
    window.controls()[kProjectField].text = u"Schule";
    window.controls()[kCustomerField].text = u"Stadt";
    messages.shown.clear();
    window.onClick(GetParam().button);
    ASSERT_EQ(rows().size(), 2u);
    EXPECT_EQ(rows()[1].cells[13], u"V2");
    EXPECT_FALSE(state.projectsNotRead);
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_TRUE(messages.asked.empty());
    EXPECT_EQ(inspectValveList(database()).designations, (std::multiset<std::string>{"V1", "V2"}));
    // Now the list is seen, deleting it asks with what it holds.
    messages.answer = false;
    window.onClick(kDeleteTableButton);
    EXPECT_EQ(messages.asked, std::vector<std::u16string>{german(kAskDeleteTable, {u"2", u"1"})});
}

INSTANTIATE_TEST_SUITE_P(Buttons, FirstClickAfterTheLockTest,
                         testing::Values(FirstClickCase{"Sizing", kSizingButton},
                                         FirstClickCase{"DeleteTable", kDeleteTableButton},
                                         FirstClickCase{"DeleteValve", kDeleteValveButton},
                                         FirstClickCase{"Export", kExportButton}),
                         [](const testing::TestParamInfo<FirstClickCase>& info) { return info.param.name; });

} // namespace
