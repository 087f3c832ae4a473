// Deleting the valve a list showed: the stored row whose every column
// still reads as the list showed it, never a row the list did not show,
// whatever another program did to the table in between.

#include "db/measurement_store.h"
#include "db/product_db.h"
#include "tests/db/product_db_fixture.h"
#include "tests/db/statement_log.h"
#include "tests/support/fixture_db.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>

namespace {

// A row as the list reads it: the number columns the rows below leave
// NULL read as no number.
ProjectRow shownRow(std::uint16_t number, const char* designation, float flow = 0.0f)
{
    ProjectRow row;
    row.posizione = number;
    row.riferimento = designation;
    row.portata = flow;
    row.dP = row.t_mandata = row.t_ritorno = row.potenza = NAN;
    return row;
}

std::multiset<std::string> leftIn(const std::filesystem::path& file)
{
    std::multiset<std::string> rows;
    const std::string all =
        fixture::queryText(file, "SELECT group_concat(posizione || ' ' || riferimento, '|') FROM progetti");
    for (std::size_t start = 0; start < all.size();) {
        const std::size_t end = std::min(all.find('|', start), all.size());
        rows.insert(all.substr(start, end - start));
        start = end + 1;
    }
    return rows;
}

struct DeletionCase {
    const char* name;
    const char* rows; // (posizione, riferimento, portata) as another program left them
    ProjectRow shown;
    ShownRowDeletion outcome;
    std::multiset<std::string> left;
};

void PrintTo(const DeletionCase& c, std::ostream* out) { *out << c.name; }

class ShownRowDeletionTest : public ProductDbFixture, public testing::WithParamInterface<DeletionCase> {};

TEST_P(ShownRowDeletionTest, DeletesOnlyTheRowThatWasShown)
{
    const DeletionCase& c = GetParam();
    openWith(fixture::projectsSchema() + "INSERT INTO progetti (posizione, riferimento, portata) VALUES " + c.rows +
             ";");
    EXPECT_EQ(db.deleteShownProject(c.shown), c.outcome);
    EXPECT_EQ(leftIn(file()), c.left);
    EXPECT_TRUE(errors.str().empty()) << errors.str();
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ShownRowDeletionTest,
    testing::Values(
        DeletionCase{"TheShownRow", "(1, 'A', 0), (2, 'B', 0), (3, 'C', 0)", shownRow(2, "B"),
                     ShownRowDeletion::Deleted, {"1 A", "3 C"}},
        DeletionCase{"AlreadyDeleted", "(1, 'A', 0), (3, 'C', 0)", shownRow(2, "B"),
                     ShownRowDeletion::ChangedSinceShown, {"1 A", "3 C"}},
        DeletionCase{"NumberTakenByAnotherDesignation", "(1, 'A', 0), (2, 'X', 0)", shownRow(2, "B"),
                     ShownRowDeletion::ChangedSinceShown, {"1 A", "2 X"}},
        DeletionCase{"NumberSharedWithAnotherDesignation", "(1, 'A', 0), (2, 'B', 0), (2, 'X', 0)", shownRow(2, "B"),
                     ShownRowDeletion::ChangedSinceShown, {"1 A", "2 B", "2 X"}},
        DeletionCase{"DesignationMovedToAnotherNumber", "(1, 'A', 0), (5, 'B', 0)", shownRow(2, "B"),
                     ShownRowDeletion::ChangedSinceShown, {"1 A", "5 B"}},
        // Deleted elsewhere and added anew: same number, same designation,
        // another flow. Number and designation are no identity.
        DeletionCase{"ANewValveWithTheOldNumberAndDesignation", "(1, 'A', 0), (4, 'V4', 0.5)",
                     shownRow(4, "V4", 0.8f), ShownRowDeletion::ChangedSinceShown, {"1 A", "4 V4"}},
        DeletionCase{"EveryColumnAsShown", "(1, 'A', 0), (4, 'V4', 0.8)", shownRow(4, "V4", 0.8f),
                     ShownRowDeletion::Deleted, {"1 A"}},
        // 70000 shows as 4464 in a 16-bit list.
        DeletionCase{"NumberBeyond16Bits", "(4464, 'V', 0), (70000, 'W', 0)", shownRow(4464, "W"),
                     ShownRowDeletion::Deleted, {"4464 V"}},
        DeletionCase{"SixteenBitTwinOfALargeNumber", "(4464, 'V', 0), (70000, 'W', 0)", shownRow(4464, "V"),
                     ShownRowDeletion::Deleted, {"70000 W"}},
        DeletionCase{"TwoStoredNumbersShowAlike", "(4464, 'W', 0), (70000, 'W', 0)", shownRow(4464, "W"),
                     ShownRowDeletion::ChangedSinceShown, {"4464 W", "70000 W"}},
        // A flow stored as a word reads as no number, and as such it was shown.
        DeletionCase{"AValueThatIsNoNumber", "(1, 'A', 'NaN')", shownRow(1, "A", NAN), ShownRowDeletion::Deleted,
                     {}},
        DeletionCase{"QuoteInTheDesignation", "(1, 'Pump''s room', 0), (2, 'B', 0)", shownRow(1, "Pump's room"),
                     ShownRowDeletion::Deleted, {"2 B"}}),
    [](const testing::TestParamInfo<DeletionCase>& info) { return info.param.name; });

// Two programs on one file, both showing the same list, both deleting the
// same valve: the second finds it gone and deletes nothing else.
TEST_F(ProductDbFixture, TwoConnectionsDeletingTheSameValve)
{
    openWith(fixture::projectsSchema() +
             "INSERT INTO progetti (posizione, riferimento) VALUES (1, 'A'), (2, 'B'), (3, 'C');");
    std::ostringstream otherErrors;
    ProductDb other(otherErrors);
    ASSERT_TRUE(other.open(file()));
    EXPECT_EQ(db.deleteShownProject(shownRow(2, "B", NAN)), ShownRowDeletion::Deleted);
    EXPECT_EQ(other.deleteShownProject(shownRow(2, "B", NAN)), ShownRowDeletion::ChangedSinceShown);
    EXPECT_EQ(other.deleteShownProject(shownRow(3, "C", NAN)), ShownRowDeletion::Deleted);
    EXPECT_EQ(db.deleteShownProject(shownRow(3, "C", NAN)), ShownRowDeletion::ChangedSinceShown);
    std::vector<ProjectRow> rows;
    ASSERT_TRUE(db.loadProjects(rows));
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].riferimento, "A");
}

// The check and the deletion in one write transaction; the deletion is the
// valve list's own statement.
TEST_F(ProductDbFixture, DeletesWithTheValveListStatementInsideOneTransaction)
{
    openWith(fixture::projectsSchema() + "INSERT INTO progetti (posizione, riferimento) VALUES (1, 'A'), (2, 'B');");
    StatementLog log(db.handle());
    EXPECT_EQ(db.deleteShownProject(shownRow(2, "B", NAN)), ShownRowDeletion::Deleted);
    // The file has no readings: the looks for their table, for the valve's
    // and for those of valves gone, find none.
    const std::string lookForReadings = "SELECT 1 FROM sqlite_master WHERE type = 'table' AND name = 'misure'";
    EXPECT_EQ(log.statements(),
              (std::vector<std::string>{"BEGIN IMMEDIATE", "SELECT * FROM progetti",
                                        "DELETE FROM progetti WHERE posizione = '2'", lookForReadings,
                                        lookForReadings, "COMMIT"}));
}

// A delete that cannot take the write lock fails and keeps everything.
TEST_F(ProductDbFixture, ADeletionThatCannotLockTheFileFails)
{
    openWith(fixture::projectsSchema() + "INSERT INTO progetti (posizione, riferimento) VALUES (1, 'A');");
    db.setBusyTimeout(50);
    ProductDb other(errors);
    ASSERT_TRUE(other.open(file()));
    ASSERT_EQ(sqlite3_exec(other.handle(), "BEGIN IMMEDIATE", nullptr, nullptr, nullptr), SQLITE_OK);
    EXPECT_EQ(db.deleteShownProject(shownRow(1, "A")), ShownRowDeletion::Failed);
    EXPECT_EQ(db.lastFailure().reason, "database is locked");
    sqlite3_exec(other.handle(), "ROLLBACK", nullptr, nullptr, nullptr);
    EXPECT_EQ(fixture::queryText(file(), "SELECT riferimento FROM progetti"), "A");
}

// Two programs on one file: A shows V1, V2 and V3; B adds V4 and changes
// V2's flow. A's whole-list deletion takes V1 and V3 with their readings
// and keeps what it never showed as B left it.
TEST_F(ProductDbFixture, DeletingAShownListKeepsWhatItDidNotShow)
{
    openWith(fixture::projectsSchema() +
             "INSERT INTO progetti (posizione, riferimento, portata) VALUES (1, 'V1', 0.5), (2, 'V2', 0.5), "
             "(3, 'V3', 0.5);");
    std::vector<ProjectRow> shown;
    ASSERT_TRUE(db.loadProjects(shown));
    MeasurementRow reading;
    for (const ProjectRow& valve : shown) {
        reading.posizione = valve.posizione;
        reading.riferimento = valve.riferimento;
        ASSERT_EQ(MeasurementStore(db.handle()).record(reading), std::nullopt);
    }
    std::ostringstream otherErrors;
    ProductDb other(otherErrors);
    ASSERT_TRUE(other.open(file()));
    ASSERT_EQ(sqlite3_exec(other.handle(),
                           "INSERT INTO progetti (posizione, riferimento, portata) VALUES (4, 'V4', 0.5);"
                           "UPDATE progetti SET portata = 0.7 WHERE riferimento = 'V2'",
                           nullptr, nullptr, nullptr),
              SQLITE_OK);

    const ShownRowsDeletion outcome = db.deleteShownProjects(shown);
    EXPECT_FALSE(outcome.failed);
    EXPECT_EQ(outcome.deleted, 2u);
    EXPECT_EQ(outcome.kept, 2u);
    EXPECT_EQ(leftIn(file()), (std::multiset<std::string>{"2 V2", "4 V4"}));
    const MeasurementStore::Loaded readings = MeasurementStore(other.handle()).load();
    ASSERT_EQ(readings.rows.size(), 1u);
    EXPECT_EQ(readings.rows[0].riferimento, "V2");
    EXPECT_TRUE(errors.str().empty()) << errors.str();
}

} // namespace
