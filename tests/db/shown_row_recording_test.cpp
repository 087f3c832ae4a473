// A reading is stored only for the valve as a list shows it: a valve that
// another program deleted or replaced since takes none, and a reading never
// outlives its valve. A lock is never read as "no readings".

#include "db/measurement_store.h"
#include "db/product_db.h"
#include "tests/db/product_db_fixture.h"
#include "tests/support/fixture_db.h"

#include <gtest/gtest.h>

namespace {

ProjectRow valveRow(std::uint16_t number, const char* designation, const char* model, const char* size)
{
    ProjectRow row;
    row.posizione = number;
    row.riferimento = designation;
    row.nome_tipo = model;
    row.dimensione = size;
    return row;
}

MeasurementRow readingOf(const ProjectRow& valve, float dp)
{
    MeasurementRow reading;
    reading.posizione = valve.posizione;
    reading.riferimento = valve.riferimento;
    reading.dP = dp;
    reading.muP = "mbar";
    return reading;
}

class ShownRowRecordingTest : public ProductDbFixture {
protected:
    void SetUp() override
    {
        openWith(fixture::projectsSchema());
        ASSERT_TRUE(other.open(file()));
    }

    std::vector<MeasurementRow> stored()
    {
        const MeasurementStore::Loaded loaded = MeasurementStore(other.handle()).load();
        EXPECT_FALSE(loaded.error);
        return loaded.rows;
    }

    std::ostringstream otherErrors;
    ProductDb other{otherErrors}; // the second program on the same file
};

// Program B deletes V4; program A, still showing it, records 30 mbar on it:
// the reading was stored under a number no valve has.
TEST_F(ShownRowRecordingTest, AValveAnotherProgramDeletedTakesNoReading)
{
    const ProjectRow v4 = valveRow(4, "V4", "Arvelo Quarz", "DN 20");
    ASSERT_EQ(db.insertProject(v4), 0);
    EXPECT_EQ(other.deleteShownProject(v4), ShownRowDeletion::Deleted);
    EXPECT_EQ(db.recordShownMeasurement(v4, readingOf(v4, 30)), ShownRowRecording::ChangedSinceShown);
    EXPECT_TRUE(stored().empty());
}

// A clears the table and adds a new V1 (Arvelo DN 15), which takes number 1;
// B, still showing the old V1 (Quarz DN 20), records 40 mbar on it: that
// reading was filed under the new valve.
TEST_F(ShownRowRecordingTest, ANewValveUnderTheOldNumberTakesNoReadingOfTheOld)
{
    const ProjectRow oldV1 = valveRow(1, "V1", "Arvelo Quarz", "DN 20");
    ASSERT_EQ(db.insertProject(oldV1), 0);
    const ShownRowsDeletion cleared = db.deleteShownProjects({oldV1});
    ASSERT_FALSE(cleared.failed);
    const ProjectRow newV1 = valveRow(1, "V1", "Arvelo", "DN 15");
    ASSERT_EQ(db.insertProject(newV1), 0);

    EXPECT_EQ(other.recordShownMeasurement(oldV1, readingOf(oldV1, 40)), ShownRowRecording::ChangedSinceShown);
    EXPECT_TRUE(stored().empty());
    EXPECT_EQ(db.recordShownMeasurement(newV1, readingOf(newV1, 25)), ShownRowRecording::Recorded);
    ASSERT_EQ(stored().size(), 1u);
    EXPECT_FLOAT_EQ(stored()[0].dP, 25.0f);
}

// Readings left under a number no valve has (another program's delete, a
// file of an earlier version) are forgotten with the next change of the list.
TEST_F(ShownRowRecordingTest, ReadingsWithoutTheirValveGoWithTheNextChange)
{
    const ProjectRow v1 = valveRow(1, "V1", "Arvelo Quarz", "DN 20");
    const ProjectRow gone = valveRow(4, "V4", "Arvelo Quarz", "DN 20");
    ASSERT_EQ(db.insertProject(v1), 0);
    ASSERT_EQ(MeasurementStore(db.handle()).record(readingOf(gone, 30)), std::nullopt);
    ASSERT_EQ(stored().size(), 1u);
    EXPECT_EQ(db.recordShownMeasurement(v1, readingOf(v1, 20)), ShownRowRecording::Recorded);
    ASSERT_EQ(stored().size(), 1u);
    EXPECT_EQ(stored()[0].riferimento, "V1");

    ASSERT_EQ(MeasurementStore(db.handle()).record(readingOf(gone, 30)), std::nullopt);
    EXPECT_FALSE(db.deleteShownProjects({}).failed);
    ASSERT_EQ(stored().size(), 1u);
    EXPECT_EQ(stored()[0].riferimento, "V1");
}

// A number beyond 16 bits shows, and takes its readings, by its 16 bits:
// its readings are its own, not another valve's left behind.
TEST_F(ShownRowRecordingTest, AValveNumberedBeyond16BitsKeepsItsReadings)
{
    ASSERT_EQ(sqlite3_exec(db.handle(), "INSERT INTO progetti (posizione, riferimento) VALUES (70000, 'W')", nullptr,
                           nullptr, nullptr),
              SQLITE_OK);
    std::vector<ProjectRow> shown;
    ASSERT_TRUE(db.loadProjects(shown));
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(db.recordShownMeasurement(shown[0], readingOf(shown[0], 30)), ShownRowRecording::Recorded);
    EXPECT_EQ(db.recordShownMeasurement(shown[0], readingOf(shown[0], 35)), ShownRowRecording::Recorded);
    EXPECT_EQ(stored().size(), 2u);
}

// Another program holds the file for longer than the program waits: the
// readings are "not read", never "none", and nothing is recorded or deleted.
TEST_F(ShownRowRecordingTest, ALockIsNeverReadAsNoReadings)
{
    const ProjectRow v8 = valveRow(8, "V8", "Arvelo Quarz", "DN 20");
    ASSERT_EQ(db.insertProject(v8), 0);
    ASSERT_EQ(db.recordShownMeasurement(v8, readingOf(v8, 30)), ShownRowRecording::Recorded);
    db.setBusyTimeout(50);
    ASSERT_EQ(sqlite3_exec(other.handle(), "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr), SQLITE_OK);

    MeasurementStore readings(db.handle());
    const MeasurementStore::Loaded loaded = readings.load();
    ASSERT_TRUE(loaded.error);
    EXPECT_EQ(loaded.error->code, SQLITE_BUSY);
    EXPECT_TRUE(loaded.rows.empty());
    EXPECT_TRUE(readings.remove(8, "V8"));
    EXPECT_TRUE(readings.removeAll());
    EXPECT_EQ(db.recordShownMeasurement(v8, readingOf(v8, 40)), ShownRowRecording::Failed);
    EXPECT_EQ(db.lastFailure().code, SQLITE_BUSY);

    sqlite3_exec(other.handle(), "ROLLBACK", nullptr, nullptr, nullptr);
    ASSERT_EQ(stored().size(), 1u);
    EXPECT_FLOAT_EQ(stored()[0].dP, 30.0f);
}

} // namespace
