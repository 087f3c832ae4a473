// Deleting the valve a list showed: by its number and its designation
// together, never a row the list did not show, whatever another program
// did to the table in between.

#include "db/product_db.h"
#include "tests/db/product_db_fixture.h"
#include "tests/db/statement_log.h"
#include "tests/support/fixture_db.h"

#include <gtest/gtest.h>

#include <set>

namespace {

struct DeletionCase {
    const char* name;
    const char* rows; // the table as another program left it
    std::uint16_t shownNumber;
    const char* shownDesignation;
    ShownRowDeletion outcome;
    std::multiset<std::string> left;
};

class ShownRowDeletionTest : public ProductDbFixture, public testing::WithParamInterface<DeletionCase> {
protected:
    std::multiset<std::string> left() const
    {
        std::multiset<std::string> rows;
        const std::string all =
            fixture::queryText(file(), "SELECT group_concat(posizione || ' ' || riferimento, '|') FROM progetti");
        for (std::size_t start = 0; start < all.size();) {
            const std::size_t end = std::min(all.find('|', start), all.size());
            rows.insert(all.substr(start, end - start));
            start = end + 1;
        }
        return rows;
    }
};

TEST_P(ShownRowDeletionTest, DeletesOnlyTheRowThatWasShown)
{
    const DeletionCase& c = GetParam();
    openWith(fixture::projectsSchema() + "INSERT INTO progetti (posizione, riferimento) VALUES " + c.rows + ";");
    EXPECT_EQ(db.deleteShownProject(c.shownNumber, c.shownDesignation), c.outcome);
    EXPECT_EQ(left(), c.left);
    EXPECT_TRUE(errors.str().empty()) << errors.str();
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ShownRowDeletionTest,
    testing::Values(
        DeletionCase{"TheShownRow", "(1, 'A'), (2, 'B'), (3, 'C')", 2, "B", ShownRowDeletion::Deleted, {"1 A", "3 C"}},
        DeletionCase{"AlreadyDeleted", "(1, 'A'), (3, 'C')", 2, "B", ShownRowDeletion::ChangedSinceShown,
                     {"1 A", "3 C"}},
        DeletionCase{"NumberTakenByAnotherDesignation", "(1, 'A'), (2, 'X')", 2, "B",
                     ShownRowDeletion::ChangedSinceShown, {"1 A", "2 X"}},
        DeletionCase{"NumberSharedWithAnotherDesignation", "(1, 'A'), (2, 'B'), (2, 'X')", 2, "B",
                     ShownRowDeletion::ChangedSinceShown, {"1 A", "2 B", "2 X"}},
        DeletionCase{"DesignationMovedToAnotherNumber", "(1, 'A'), (5, 'B')", 2, "B",
                     ShownRowDeletion::ChangedSinceShown, {"1 A", "5 B"}},
        // 70000 shows as 4464 in a 16-bit list.
        DeletionCase{"NumberBeyond16Bits", "(4464, 'V'), (70000, 'W')", 4464, "W", ShownRowDeletion::Deleted,
                     {"4464 V"}},
        DeletionCase{"SixteenBitTwinOfALargeNumber", "(4464, 'V'), (70000, 'W')", 4464, "V",
                     ShownRowDeletion::Deleted, {"70000 W"}},
        DeletionCase{"TwoStoredNumbersShowAlike", "(4464, 'W'), (70000, 'W')", 4464, "W",
                     ShownRowDeletion::ChangedSinceShown, {"4464 W", "70000 W"}},
        DeletionCase{"QuoteInTheDesignation", "(1, 'Pump''s room'), (2, 'B')", 1, "Pump's room",
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
    EXPECT_EQ(db.deleteShownProject(2, "B"), ShownRowDeletion::Deleted);
    EXPECT_EQ(other.deleteShownProject(2, "B"), ShownRowDeletion::ChangedSinceShown);
    EXPECT_EQ(other.deleteShownProject(3, "C"), ShownRowDeletion::Deleted);
    EXPECT_EQ(db.deleteShownProject(3, "C"), ShownRowDeletion::ChangedSinceShown);
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
    EXPECT_EQ(db.deleteShownProject(2, "B"), ShownRowDeletion::Deleted);
    EXPECT_EQ(log.statements(),
              (std::vector<std::string>{"BEGIN IMMEDIATE", "SELECT posizione, riferimento FROM progetti",
                                        "DELETE FROM progetti WHERE posizione = '2'", "COMMIT"}));
}

// A delete that cannot take the write lock fails and keeps everything.
TEST_F(ProductDbFixture, ADeletionThatCannotLockTheFileFails)
{
    openWith(fixture::projectsSchema() + "INSERT INTO progetti (posizione, riferimento) VALUES (1, 'A');");
    db.setBusyTimeout(50);
    ProductDb other(errors);
    ASSERT_TRUE(other.open(file()));
    ASSERT_EQ(sqlite3_exec(other.handle(), "BEGIN IMMEDIATE", nullptr, nullptr, nullptr), SQLITE_OK);
    EXPECT_EQ(db.deleteShownProject(1, "A"), ShownRowDeletion::Failed);
    EXPECT_EQ(db.lastFailure().reason, "database is locked");
    sqlite3_exec(other.handle(), "ROLLBACK", nullptr, nullptr, nullptr);
    EXPECT_EQ(fixture::queryText(file(), "SELECT riferimento FROM progetti"), "A");
}

} // namespace
