// Timing of the commissioning readings of 10,000 valves, three readings each:
// the latest reading of every valve looked up one valve at a time over the
// whole list, against the readings grouped by valve once; and loading them
// all from the database.

#include "db/measurement_store.h"
#include "db/valve_readings.h"

#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <string>
#include <vector>

namespace {

constexpr int kValves = 10000;
constexpr int kReadingsPerValve = 3;

std::vector<MeasurementRow> readings(int valves)
{
    std::vector<MeasurementRow> rows;
    for (int reading = 0; reading < kReadingsPerValve; ++reading)
        for (int i = 1; i <= valves; ++i) {
            MeasurementRow row;
            row.posizione = i;
            row.riferimento = "Heizkreis " + std::to_string(i) + " Ost";
            row.flow = 0.47f + 0.01f * static_cast<float>(reading);
            row.reading = static_cast<std::int64_t>(reading) * valves + i;
            rows.push_back(std::move(row));
        }
    return rows;
}

void latestOneValveAtATime(benchmark::State& state)
{
    const std::vector<MeasurementRow> rows = readings(static_cast<int>(state.range(0)));
    for (auto _ : state)
        for (const MeasurementRow& row : rows)
            if (row.reading <= state.range(0))
                benchmark::DoNotOptimize(findMeasurement(rows, row.posizione, row.riferimento));
}
BENCHMARK(latestOneValveAtATime)->Arg(kValves)->Unit(benchmark::kMillisecond);

void latestGroupedByValve(benchmark::State& state)
{
    const std::vector<MeasurementRow> rows = readings(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        const ValveReadings grouped(rows);
        for (const MeasurementRow& row : rows)
            if (row.reading <= state.range(0))
                benchmark::DoNotOptimize(grouped.latest(row.posizione, row.riferimento));
    }
}
BENCHMARK(latestGroupedByValve)->Arg(kValves)->Unit(benchmark::kMillisecond);

void loadEveryReading(benchmark::State& state)
{
    sqlite3* db = nullptr;
    sqlite3_open(":memory:", &db);
    MeasurementStore store(db);
    sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr);
    for (const MeasurementRow& row : readings(static_cast<int>(state.range(0))))
        store.record(row);
    sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);
    for (auto _ : state)
        benchmark::DoNotOptimize(store.load().rows.size());
    sqlite3_close(db);
}
BENCHMARK(loadEveryReading)->Arg(kValves)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
