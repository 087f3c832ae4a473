#include "db/measurement_store.h"

#include "tests/db/product_db_fixture.h"
#include "tests/support/fixture_db.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <tuple>
#include <vector>

namespace {

MeasurementRow measured(std::int64_t posizione, std::string designation, float flow,
                        MeasurementVerdict verdict = MeasurementVerdict::None)
{
    MeasurementRow row;
    row.posizione = posizione;
    row.riferimento = std::move(designation);
    row.dP = 125.5f;
    row.muP = "mbar";
    row.setting = "3,70";
    row.flow = flow;
    row.muQ = "l/s";
    row.verdict = verdict;
    row.date = "2026-12-10";
    return row;
}

class MeasurementStoreTest : public ProductDbFixture {
protected:
    void SetUp() override { openWith(fixture::projectsSchema()); }
    MeasurementStore store() { return MeasurementStore(db.handle()); }
};

TEST_F(MeasurementStoreTest, AFileWithoutTheTableHoldsNoneUntilTheFirstRecording)
{
    const auto before = store().load();
    EXPECT_FALSE(before.error);
    EXPECT_TRUE(before.rows.empty());
    EXPECT_FALSE(store().remove(1, "Room 1"));
    EXPECT_FALSE(store().removeAll());
    EXPECT_EQ(fixture::queryText(file(), "SELECT count(*) FROM sqlite_master WHERE name = 'misure'"), "0");

    EXPECT_FALSE(store().record(measured(1, "Room 1", 0.5f)));
    EXPECT_EQ(store().load().rows.size(), 1u);
}

TEST_F(MeasurementStoreTest, EveryFieldAndVerdictReadsBackAsRecorded)
{
    const std::pair<MeasurementVerdict, bool> readings[] = {
        {MeasurementVerdict::None, false},
        {MeasurementVerdict::Sufficient, true},
        {MeasurementVerdict::Insufficient, false},
    };
    for (const auto& [verdict, confirmed] : readings) {
        MeasurementRow row = measured(3, "Pump's room; \"north\"", 1.25f, verdict);
        row.implausibleConfirmed = confirmed;
        row.reading = 99; // given by the store, not by the caller
        ASSERT_FALSE(store().record(row));
    }
    const auto loaded = store().load();
    ASSERT_EQ(loaded.rows.size(), 3u);
    for (std::size_t i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        const MeasurementRow& back = loaded.rows[i];
        EXPECT_EQ(back.posizione, 3);
        EXPECT_EQ(back.riferimento, "Pump's room; \"north\"");
        EXPECT_FLOAT_EQ(back.dP, 125.5f);
        EXPECT_EQ(back.muP, "mbar");
        EXPECT_EQ(back.setting, "3,70");
        EXPECT_FLOAT_EQ(back.flow, 1.25f);
        EXPECT_EQ(back.muQ, "l/s");
        EXPECT_EQ(back.verdict, readings[i].first);
        EXPECT_EQ(back.date, "2026-12-10");
        EXPECT_EQ(back.implausibleConfirmed, readings[i].second);
        EXPECT_EQ(back.reading, static_cast<std::int64_t>(i + 1));
    }
}

TEST_F(MeasurementStoreTest, ASecondReadingJoinsTheFirstAndTheLatestCounts)
{
    ASSERT_FALSE(store().record(measured(2, "Room 1", 0.7f)));
    ASSERT_FALSE(store().record(measured(1, "Room 1", 0.5f)));
    ASSERT_FALSE(store().record(measured(1, "Room 2", 0.6f)));
    ASSERT_FALSE(store().record(measured(1, "Room 1", 0.9f)));
    ASSERT_FALSE(store().record(measured(1, "Room 1", 0.8f)));
    auto rows = store().load().rows;
    // By valve number and designation, each valve's readings in recording order.
    std::vector<std::tuple<std::int64_t, std::string, float>> order;
    for (const MeasurementRow& row : rows)
        order.emplace_back(row.posizione, row.riferimento, row.flow);
    EXPECT_EQ(order, (std::vector<std::tuple<std::int64_t, std::string, float>>{
                         {1, "Room 1", 0.5f}, {1, "Room 1", 0.9f}, {1, "Room 1", 0.8f},
                         {1, "Room 2", 0.6f}, {2, "Room 1", 0.7f}}));
    EXPECT_FLOAT_EQ(findMeasurement(rows, 1, "Room 1")->flow, 0.8f);
    EXPECT_FLOAT_EQ(findMeasurement(rows, 1, "Room 2")->flow, 0.6f);
    EXPECT_EQ(findMeasurement(rows, 3, "Room 1"), nullptr);

    // Forgetting a valve forgets all its readings, and no other valve's.
    ASSERT_FALSE(store().remove(1, "Room 1"));
    rows = store().load().rows;
    EXPECT_EQ(rows.size(), 2u);
    EXPECT_EQ(findMeasurement(rows, 1, "Room 1"), nullptr);

    // The forgotten readings had the highest numbers; a new one still comes
    // after every reading kept.
    ASSERT_FALSE(store().record(measured(1, "Room 2", 0.65f)));
    rows = store().load().rows;
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_FLOAT_EQ(findMeasurement(rows, 1, "Room 2")->flow, 0.65f);

    ASSERT_FALSE(store().removeAll());
    EXPECT_TRUE(store().load().rows.empty());
}

TEST(FindMeasurement, TheHighestReadingNumberCountsAndOfEqualOnesTheLaterRow)
{
    std::vector<MeasurementRow> rows(4);
    const float flows[] = {0.1f, 0.2f, 0.3f, 0.4f};
    const std::int64_t numbers[] = {7, 9, 8, 0};
    for (std::size_t i = 0; i < rows.size(); ++i) {
        rows[i].posizione = 1;
        rows[i].riferimento = "A";
        rows[i].flow = flows[i];
        rows[i].reading = numbers[i];
    }
    EXPECT_FLOAT_EQ(findMeasurement(rows, 1, "A")->flow, 0.2f);
    for (MeasurementRow& row : rows)
        row.reading = 0; // built by hand, not read from the store
    EXPECT_FLOAT_EQ(findMeasurement(rows, 1, "A")->flow, 0.4f);
}

TEST_F(MeasurementStoreTest, ValuesThatAreNoNumbersReadAsNotANumber)
{
    ASSERT_FALSE(store().record(measured(1, "A", 0.5f)));
    fixture::execute(file(), "INSERT INTO misure (posizione, riferimento, dP, muP, presetting, portata, muQ, esito, data)"
                             " VALUES (2, 'B', 'NaN', 'kPa', '', 1e39, 'l/s', NULL, ''),"
                             " (3, 'C', 1e308, 'kPa', '', NULL, 'l/s', 1, '');");
    const auto rows = store().load().rows;
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_TRUE(std::isnan(findMeasurement(rows, 2, "B")->dP));
    EXPECT_TRUE(std::isnan(findMeasurement(rows, 2, "B")->flow));
    EXPECT_TRUE(std::isnan(findMeasurement(rows, 3, "C")->dP));
    EXPECT_TRUE(std::isnan(findMeasurement(rows, 3, "C")->flow));
}

TEST_F(MeasurementStoreTest, FailuresAnswerWithTheDatabasesReason)
{
    ASSERT_FALSE(store().record(measured(1, "A", 0.5f)));
    ProductDb readOnly(errors);
    ASSERT_TRUE(readOnly.openReadOnly(file()));
    MeasurementStore locked(readOnly.handle());
    const auto failure = locked.record(measured(2, "B", 0.5f));
    ASSERT_TRUE(failure);
    EXPECT_NE(failure->reason.find("readonly"), std::string::npos) << failure->reason;
    EXPECT_EQ(failure->code, SQLITE_READONLY);
    EXPECT_TRUE(locked.remove(1, "A"));
    EXPECT_EQ(locked.load().rows.size(), 1u);

    MeasurementStore unconnected(nullptr);
    EXPECT_TRUE(unconnected.record(measured(1, "A", 0.5f)));
    EXPECT_TRUE(unconnected.load().error);
    EXPECT_TRUE(errors.str().empty());
}

} // namespace
