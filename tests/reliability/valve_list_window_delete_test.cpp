// "Delete valve" deletes the valve the clicked row showed, or nothing: when
// another program changed the table since the list was shown, the user is
// told and sees the table as it is now.

#include "data/text_table.h"
#include "tests/reliability/valve_list_window.h"
#include "tests/support/fixture_db.h"
#include "valve_list/valve_list_fault_texts.h"

using namespace MainWindowId;

namespace {

struct DeleteCase {
    const char* name;
    const char* otherProgram; // run on the file after the list was shown
    int clickedRow;
    bool toldChanged;
    std::vector<std::u16string> shownAfter;
    std::multiset<std::string> storedAfter;
};

void PrintTo(const DeleteCase& c, std::ostream* out) { *out << c.name; }

class ValveListWindowDeleteTest : public ValveListWindowTest, public testing::WithParamInterface<DeleteCase> {};

TEST_P(ValveListWindowDeleteTest, DeletesTheShownValveOrNothing)
{
    const DeleteCase& c = GetParam();
    clickRow(c.clickedRow);
    if (*c.otherProgram)
        fixture::execute(database(), c.otherProgram);
    click(kDeleteValveButton);
    const std::vector<std::u16string> told =
        c.toldChanged ? std::vector<std::u16string>{std::u16string(
                            TextTable::text(3, ValveListFaultText::kChangedSinceShown))}
                      : std::vector<std::u16string>{};
    EXPECT_EQ(messages.shown, told);
    EXPECT_EQ(shown(), c.shownAfter);
    EXPECT_EQ(stored(), c.storedAfter);
    EXPECT_EQ(window.valveListIndex, -1);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ValveListWindowDeleteTest,
    testing::Values(
        DeleteCase{"NothingChanged", "", 1, false, {u"1 V1"}, {"V1"}},
        DeleteCase{"TheRowWasDeletedElsewhere", "DELETE FROM progetti WHERE posizione = 2", 1, true, {u"1 V1"},
                   {"V1"}},
        // Counted by position in a fresh list, V2 would go instead.
        DeleteCase{"AnEarlierRowWasDeletedElsewhere", "DELETE FROM progetti WHERE posizione = 1", 0, true,
                   {u"2 V2"}, {"V2"}},
        DeleteCase{"ItsNumberNowBelongsToAnotherValve",
                   "DELETE FROM progetti WHERE posizione = 2;"
                   "INSERT INTO progetti (posizione, riferimento) VALUES (2, 'Other program')",
                   1, true, {u"1 V1", u"2 Other program"}, {"V1", "Other program"}},
        // Deleted elsewhere and added anew under the same number and
        // designation, with another flow: not the valve the user saw.
        DeleteCase{"ItsNumberAndDesignationNowBelongToANewValve",
                   "DELETE FROM progetti WHERE posizione = 2;"
                   "INSERT INTO progetti (posizione, riferimento, portata) VALUES (2, 'V2', 0.8)",
                   1, true, {u"1 V1", u"2 V2"}, {"V1", "V2"}},
        DeleteCase{"ANewValveElsewhereChangesNothing",
                   "INSERT INTO progetti (posizione, riferimento) VALUES (3, 'Other program')", 0, false,
                   {u"2 V2", u"3 Other program"}, {"V2", "Other program"}}),
    [](const testing::TestParamInfo<DeleteCase>& info) { return info.param.name; });

// Another program stored a number beyond 16 bits: 70000 shows as 4464, and
// deleting that row deletes it, not the valve numbered 4464.
TEST_F(ValveListWindowTest, ANumberBeyond16BitsDeletesOnlyItsOwnValve)
{
    fixture::execute(database(),
                     "INSERT INTO progetti (posizione, riferimento) VALUES (4464, 'Near'), (70000, 'Far')");
    add(u"V3"); // reloads the list
    ASSERT_EQ(shown(), (std::vector<std::u16string>{u"1 V1", u"2 V2", u"4464 Near", u"4464 Far", u"4465 V3"}));
    clickRow(3);
    click(kDeleteValveButton);
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(stored(), (std::multiset<std::string>{"V1", "V2", "Near", "V3"}));
    EXPECT_EQ(shown(), (std::vector<std::u16string>{u"1 V1", u"2 V2", u"4464 Near", u"4465 V3"}));
}

} // namespace
