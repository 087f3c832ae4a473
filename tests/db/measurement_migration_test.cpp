#include "db/measurement_migration.h"
#include "db/measurement_store.h"

#include "tests/db/product_db_fixture.h"
#include "tests/support/fixture_db.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace {

// Table misure as earlier versions wrote it: one reading per valve.
const std::string kEarlierLayout =
    "CREATE TABLE misure (posizione INTEGER NOT NULL, riferimento TEXT NOT NULL, dP REAL, muP TEXT,"
    " presetting TEXT, portata REAL, muQ TEXT, esito INTEGER, data TEXT, PRIMARY KEY (posizione, riferimento));"
    "INSERT INTO misure VALUES (2, 'Room 2', 150, 'kPa', '2,50', 0.3, 'm3/h', NULL, '2026-11-02');"
    "INSERT INTO misure VALUES (1, 'Room 1', 125.5, 'mbar', '3,70', 0.5, 'l/s', 1, '2026-11-01');";

class MeasurementMigration : public ProductDbFixture {
protected:
    void SetUp() override { openWith(fixture::projectsSchema() + kEarlierLayout); }

    std::string layout() const
    {
        return fixture::queryText(file(), "SELECT group_concat(name, ' ') FROM pragma_table_info('misure')");
    }
    std::vector<std::pair<std::string, float>> stored() const
    {
        std::vector<std::pair<std::string, float>> rows;
        for (const MeasurementRow& row : MeasurementStore(db.handle()).load().rows)
            rows.emplace_back(row.riferimento, row.flow);
        return rows;
    }
};

const std::string kEarlierColumns = "posizione riferimento dP muP presetting portata muQ esito data";
const std::string kCurrentColumns =
    "lettura posizione riferimento dP muP presetting portata muQ esito data confermata";

TEST_F(MeasurementMigration, TheOldRowsBecomeTheFirstReadingOfTheirValvesWithEveryField)
{
    const auto loaded = MeasurementStore(db.handle()).load();
    ASSERT_FALSE(loaded.error) << loaded.error->reason;
    EXPECT_EQ(layout(), kCurrentColumns);
    ASSERT_EQ(loaded.rows.size(), 2u);
    const MeasurementRow& first = loaded.rows[0];
    EXPECT_EQ(first.posizione, 1);
    EXPECT_EQ(first.riferimento, "Room 1");
    EXPECT_FLOAT_EQ(first.dP, 125.5f);
    EXPECT_EQ(first.muP, "mbar");
    EXPECT_EQ(first.setting, "3,70");
    EXPECT_FLOAT_EQ(first.flow, 0.5f);
    EXPECT_EQ(first.muQ, "l/s");
    EXPECT_EQ(first.verdict, MeasurementVerdict::Sufficient);
    EXPECT_EQ(first.date, "2026-11-01");
    EXPECT_FALSE(first.implausibleConfirmed);
    const MeasurementRow& second = loaded.rows[1];
    EXPECT_EQ(second.riferimento, "Room 2");
    EXPECT_FLOAT_EQ(second.dP, 150.0f);
    EXPECT_EQ(second.muQ, "m3/h");
    EXPECT_EQ(second.verdict, MeasurementVerdict::None);
    EXPECT_NE(first.reading, second.reading);
    EXPECT_EQ(fixture::queryText(file(), "SELECT count(*) FROM sqlite_master WHERE name <> 'misure' AND name LIKE 'misure%'"),
              "0") << "no table of the move is left behind";
}

struct FirstTouch {
    const char* name;
    std::function<std::optional<DbFailure>(MeasurementStore&)> touch;
    std::vector<std::pair<std::string, float>> after;
};

class MigratedOnFirstTouch : public MeasurementMigration, public testing::WithParamInterface<FirstTouch> {};

TEST_P(MigratedOnFirstTouch, ByEveryOperationOfTheStore)
{
    MeasurementStore store(db.handle());
    const auto failure = GetParam().touch(store);
    ASSERT_FALSE(failure) << failure->reason;
    EXPECT_EQ(layout(), kCurrentColumns);
    EXPECT_EQ(stored(), GetParam().after);
}

MeasurementRow newReadingOfRoom1()
{
    MeasurementRow row;
    row.posizione = 1;
    row.riferimento = "Room 1";
    row.flow = 0.45f;
    return row;
}

INSTANTIATE_TEST_SUITE_P(
    Operations, MigratedOnFirstTouch,
    testing::Values(
        FirstTouch{"Load", [](MeasurementStore& s) { return s.load().error; }, {{"Room 1", 0.5f}, {"Room 2", 0.3f}}},
        // The old reading stays the first, the new one follows it.
        FirstTouch{"Record", [](MeasurementStore& s) { return s.record(newReadingOfRoom1()); },
                   {{"Room 1", 0.5f}, {"Room 1", 0.45f}, {"Room 2", 0.3f}}},
        FirstTouch{"Remove", [](MeasurementStore& s) { return s.remove(2, "Room 2"); }, {{"Room 1", 0.5f}}},
        FirstTouch{"RemoveAll", [](MeasurementStore& s) { return s.removeAll(); }, {}}),
    [](const testing::TestParamInfo<FirstTouch>& info) { return std::string(info.param.name); });

TEST_F(MeasurementMigration, AFailedMoveLeavesTheFileAsItWas)
{
    // A read-only file cannot be moved: the store says why and reads nothing.
    ProductDb readOnly(errors);
    ASSERT_TRUE(readOnly.openReadOnly(file()));
    const auto loaded = MeasurementStore(readOnly.handle()).load();
    ASSERT_TRUE(loaded.error);
    EXPECT_NE(loaded.error->reason.find("readonly"), std::string::npos) << loaded.error->reason;
    EXPECT_TRUE(loaded.rows.empty());
    EXPECT_EQ(layout(), kEarlierColumns);

    // A damaged old table fails half-way, after the rename: all of it is undone.
    fixture::execute(file(), "ALTER TABLE misure DROP COLUMN data;");
    const auto failure = migrateMeasurementTable(db.handle());
    ASSERT_TRUE(failure);
    EXPECT_NE(failure->find("data"), std::string::npos) << *failure;
    EXPECT_EQ(layout(), "posizione riferimento dP muP presetting portata muQ esito");
    EXPECT_EQ(fixture::queryText(file(), "SELECT count(*) FROM misure"), "2");
    EXPECT_EQ(fixture::queryText(file(), "SELECT count(*) FROM sqlite_master WHERE name = 'misure_precedente'"),
              "0");
    EXPECT_TRUE(MeasurementStore(db.handle()).record(newReadingOfRoom1()));
    EXPECT_TRUE(errors.str().empty());
}

TEST_F(MeasurementMigration, AFileWithoutTheTableOrWithTheCurrentOneIsLeftAlone)
{
    fixture::execute(file(), "DROP TABLE misure;");
    EXPECT_FALSE(migrateMeasurementTable(db.handle()));
    EXPECT_EQ(layout(), "");
    MeasurementStore store(db.handle());
    ASSERT_FALSE(store.record(newReadingOfRoom1()));
    EXPECT_FALSE(migrateMeasurementTable(db.handle()));
    EXPECT_EQ(layout(), kCurrentColumns);
    EXPECT_EQ(stored(), (std::vector<std::pair<std::string, float>>{{"Room 1", 0.45f}}));
    EXPECT_TRUE(migrateMeasurementTable(nullptr));
}

} // namespace
