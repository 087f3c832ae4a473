#include "db/valve_readings.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

MeasurementRow reading(std::int64_t posizione, const char* designation, std::int64_t number, float flow)
{
    MeasurementRow row;
    row.posizione = posizione;
    row.riferimento = designation;
    row.reading = number;
    row.flow = flow;
    return row;
}

std::vector<float> flowsOf(const std::vector<const MeasurementRow*>& rows)
{
    std::vector<float> flows;
    for (const MeasurementRow* row : rows)
        flows.push_back(row->flow);
    return flows;
}

// Readings in no particular order, as another program or a hand-built list
// may hold them: the reading number decides, not the position in the list.
const std::vector<MeasurementRow> kReadings{
    reading(2, "Room 1", 4, 0.24f), reading(1, "Room 1", 5, 0.35f), reading(1, "Room 2", 2, 0.6f),
    reading(1, "Room 1", 1, 0.31f), reading(1, "Room 1", 3, 0.33f),
};

TEST(ValveReadings, AValvesReadingsInTheOrderTheyWereRecorded)
{
    const ValveReadings readings(kReadings);
    EXPECT_EQ(flowsOf(readings.all(1, "Room 1")), (std::vector<float>{0.31f, 0.33f, 0.35f}));
    EXPECT_EQ(flowsOf(readings.all(1, "Room 2")), (std::vector<float>{0.6f}));
    EXPECT_TRUE(readings.all(2, "Room 2").empty()) << "the number and the designation together";
    ASSERT_NE(readings.latest(1, "Room 1"), nullptr);
    EXPECT_FLOAT_EQ(readings.latest(1, "Room 1")->flow, 0.35f);
    EXPECT_EQ(readings.latest(3, "Room 1"), nullptr);
    EXPECT_EQ(readings.count(1, "Room 1"), 3u);
    EXPECT_EQ(readings.count(1, "Room"), 0u);
}

TEST(ValveReadings, TheLatestAgreesWithFindMeasurementOnRowsOfEqualNumbers)
{
    // Rows not read from the store carry no number: the later one is the latest.
    const std::vector<MeasurementRow> rows{reading(1, "A", 0, 0.1f), reading(1, "A", 0, 0.2f),
                                           reading(1, "B", 0, 0.3f), reading(1, "A", 0, 0.4f)};
    const ValveReadings readings(rows);
    EXPECT_EQ(flowsOf(readings.all(1, "A")), (std::vector<float>{0.1f, 0.2f, 0.4f}));
    EXPECT_FLOAT_EQ(readings.latest(1, "A")->flow, 0.4f);
}

TEST(ValveReadings, CountsTheReadingsOfASetOfValves)
{
    const ValveReadings readings(kReadings);
    // Room 1 of valve 1 named twice counts once; valve 7 has none; valve 2's
    // reading lies outside the set.
    EXPECT_EQ(readings.count({{1, "Room 1"}, {1, "Room 2"}, {7, "Room 7"}, {1, "Room 1"}}), 4u);
    EXPECT_EQ(readings.count(std::vector<ValveKey>{}), 0u);
}

} // namespace
