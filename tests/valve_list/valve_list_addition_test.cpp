// The one way every window adds a valve to the list: numbering after the
// table's last row, the designation rules, a stale reading never inherited,
// and a database that refuses told with its reason.
#include "valve_list/valve_list_addition.h"

#include "db/measurement_store.h"
#include "tests/db/product_db_fixture.h"

#include <gtest/gtest.h>

#include <optional>

namespace {

class ValveListAdditionTest : public ProductDbFixture {
protected:
    static ProjectRow valve(const std::string& designation)
    {
        ProjectRow row;
        row.posizione = 77; // never used: the list numbers the row
        row.nome_tipo = "Arvelo Quarz";
        row.dimensione = "DN 15";
        row.riferimento = designation;
        return row;
    }

    std::vector<MeasurementRow> readings() { return MeasurementStore(db.handle()).load().rows; }

    void recordReading(std::int64_t posizione, const std::string& riferimento)
    {
        MeasurementRow reading;
        reading.posizione = posizione;
        reading.riferimento = riferimento;
        reading.dP = 12.5f;
        reading.date = "2026-03-01";
        ASSERT_EQ(MeasurementStore(db.handle()).record(reading), std::nullopt);
    }
};

struct NumberingCase {
    const char* name;
    std::vector<std::uint16_t> present;
    std::optional<std::optional<std::uint16_t>> deleted; // outer: whether to delete; inner: which (none = all)
    std::uint16_t next;
};

TEST_F(ValveListAdditionTest, NumbersAfterTheLastRowOfTheTable)
{
    const NumberingCase cases[] = {
        {"empty table", {}, std::nullopt, 1},
        {"after the last of three", {1, 2, 3}, std::nullopt, 4},
        {"last row deleted", {1, 2, 3}, std::optional<std::uint16_t>(3), 3},
        {"middle row deleted", {1, 2, 3}, std::optional<std::uint16_t>(2), 4},
        {"whole table deleted", {1, 2, 3}, std::optional<std::uint16_t>(), 1},
    };
    openWith(fixture::projectsSchema());
    for (const NumberingCase& c : cases) {
        ASSERT_EQ(db.deleteProject(std::nullopt), 0);
        for (const std::uint16_t position : c.present) {
            ProjectRow row = valve("V" + std::to_string(position));
            row.posizione = position;
            ASSERT_EQ(db.insertProject(row), 0);
        }
        if (c.deleted) {
            ASSERT_EQ(db.deleteProject(*c.deleted), 0);
        }
        std::vector<ProjectRow> projects;
        EXPECT_EQ(addToValveList(db, valve(c.name), projects).outcome, ValveListAdd::Added) << c.name;
        ASSERT_FALSE(projects.empty()) << c.name;
        EXPECT_EQ(projects.back().posizione, c.next) << c.name;
        EXPECT_EQ(projects.size(), positions().size()) << c.name << ": projects mirrors the table";
    }
}

struct AddedDesignationCase {
    const char* typed;
    ValveListAdd outcome;
    const char* stored; // the designation the new row has, when added
};

TEST_F(ValveListAdditionTest, TakesADesignationWithoutItsBlanksOnceOnly)
{
    const AddedDesignationCase cases[] = {
        {"HK 1.03 Flur", ValveListAdd::DesignationTaken, nullptr},
        {" HK 1.03 Flur  ", ValveListAdd::DesignationTaken, nullptr},
        {"hk 1.03 flur", ValveListAdd::Added, "hk 1.03 flur"},
        {"  HK 2 ", ValveListAdd::Added, "HK 2"},
        {"   ", ValveListAdd::NoDesignation, nullptr},
        {"", ValveListAdd::NoDesignation, nullptr},
    };
    openWith(fixture::projectsSchema() + "INSERT INTO progetti (posizione, riferimento) VALUES (1, 'HK 1.03 Flur');");
    for (const AddedDesignationCase& c : cases) {
        std::vector<ProjectRow> projects;
        const std::size_t before = positions().size();
        EXPECT_EQ(addToValveList(db, valve(c.typed), projects).outcome, c.outcome) << '"' << c.typed << '"';
        if (c.stored) {
            ASSERT_EQ(projects.size(), before + 1) << c.typed;
            EXPECT_EQ(projects.back().riferimento, c.stored);
        } else {
            EXPECT_EQ(positions().size(), before) << '"' << c.typed << "\": nothing added";
        }
    }
}

// V3 was measured, then deleted with its row left behind in the readings
// (another program's delete, an older version). A new V3 gets number 3
// again: it starts without a reading; the readings of the valves the list
// holds stay, and those of no valve ("3 Other") go with this change.
TEST_F(ValveListAdditionTest, ANewValveNeverInheritsAReadingOfItsNumberAndDesignation)
{
    openWith(fixture::projectsSchema() +
             "INSERT INTO progetti (posizione, riferimento) VALUES (1, 'V1'), (2, 'V2');");
    recordReading(3, "V3");
    recordReading(3, "V3");
    recordReading(2, "V2");
    recordReading(3, "Other");
    std::vector<ProjectRow> projects;
    ASSERT_EQ(addToValveList(db, valve("V3"), projects).outcome, ValveListAdd::Added);
    ASSERT_EQ(projects.back().posizione, 3);
    std::vector<std::string> left;
    for (const MeasurementRow& reading : readings())
        left.push_back(std::to_string(reading.posizione) + " " + reading.riferimento);
    EXPECT_EQ(left, (std::vector<std::string>{"2 V2"}));
}

TEST_F(ValveListAdditionTest, AStaleReadingThatCannotGoKeepsTheValveOut)
{
    openWith(fixture::projectsSchema() + "INSERT INTO progetti (posizione, riferimento) VALUES (1, 'V1');");
    recordReading(2, "V2");
    fixture::execute(file(), "CREATE TRIGGER keep BEFORE DELETE ON misure BEGIN SELECT RAISE(ABORT, 'kept'); END;");
    std::vector<ProjectRow> projects(1);
    const ValveListAddition addition = addToValveList(db, valve("V2"), projects);
    EXPECT_EQ(addition.outcome, ValveListAdd::Failed);
    EXPECT_NE(addition.failure.reason.find("kept"), std::string::npos) << addition.failure.reason;
    EXPECT_EQ(positions(), (std::vector<std::uint16_t>{1}));
    EXPECT_EQ(projects.size(), 1u);
}

TEST_F(ValveListAdditionTest, AListThatCannotBeReadTakesNothingAndSaysWhy)
{
    openWith("CREATE TABLE unrelated (x);");
    std::vector<ProjectRow> projects(2);
    // Without the designations and the last row there is no safe number:
    // nothing is inserted, and a list that could not be read never replaces
    // the one held.
    const ValveListAddition addition = addToValveList(db, valve("V1"), projects);
    EXPECT_EQ(addition.outcome, ValveListAdd::Failed);
    EXPECT_EQ(addition.failure.reason, "no such table: progetti");
    EXPECT_EQ(projects.size(), 2u);
    EXPECT_EQ(errors.str(), "SQL error Progetti_Query: no such table: progetti\n");
}

} // namespace
