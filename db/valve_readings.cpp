#include "db/valve_readings.h"

#include <algorithm>
#include <set>
#include <tuple>
#include <utility>

namespace {

struct ValveOrder {
    using Key = std::pair<std::int64_t, std::string_view>;
    static Key keyOf(const MeasurementRow* row) { return {row->posizione, row->riferimento}; }
    bool operator()(const MeasurementRow* a, const Key& b) const { return keyOf(a) < b; }
    bool operator()(const Key& a, const MeasurementRow* b) const { return a < keyOf(b); }
};

} // namespace

ValveReadings::ValveReadings(const std::vector<MeasurementRow>& rows)
{
    byValve_.reserve(rows.size());
    for (const MeasurementRow& row : rows)
        byValve_.push_back(&row);
    std::stable_sort(byValve_.begin(), byValve_.end(), [](const MeasurementRow* a, const MeasurementRow* b) {
        return std::make_tuple(a->posizione, std::string_view(a->riferimento), a->reading) <
               std::make_tuple(b->posizione, std::string_view(b->riferimento), b->reading);
    });
}

ValveReadings::Range ValveReadings::readingsOf(std::int64_t posizione, std::string_view riferimento) const
{
    return std::equal_range(byValve_.begin(), byValve_.end(), ValveOrder::Key{posizione, riferimento},
                            ValveOrder{});
}

const MeasurementRow* ValveReadings::latest(std::int64_t posizione, std::string_view riferimento) const
{
    const auto [first, last] = readingsOf(posizione, riferimento);
    return first == last ? nullptr : *(last - 1);
}

std::vector<const MeasurementRow*> ValveReadings::all(std::int64_t posizione, std::string_view riferimento) const
{
    const auto [first, last] = readingsOf(posizione, riferimento);
    return {first, last};
}

std::size_t ValveReadings::count(std::int64_t posizione, std::string_view riferimento) const
{
    const auto [first, last] = readingsOf(posizione, riferimento);
    return static_cast<std::size_t>(last - first);
}

std::size_t ValveReadings::count(const std::vector<ValveKey>& valves) const
{
    std::set<std::pair<std::int64_t, std::string_view>> counted;
    std::size_t total = 0;
    for (const ValveKey& valve : valves)
        if (counted.emplace(valve.posizione, valve.riferimento).second)
            total += count(valve.posizione, valve.riferimento);
    return total;
}
