#pragma once

#include "db/measurement_row.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// A valve of the valve list, as its readings refer to it.
struct ValveKey {
    std::int64_t posizione = 0;
    std::string riferimento;
};

// The readings of a loaded list grouped by valve, for looking up many valves
// at once (a protocol of thousands of valves) without a pass over every
// reading per valve. It points into the rows, which must outlive it.
class ValveReadings {
public:
    explicit ValveReadings(const std::vector<MeasurementRow>& rows);

    // The reading that counts for deviation and verdict, or nullptr.
    const MeasurementRow* latest(std::int64_t posizione, std::string_view riferimento) const;
    // Every reading of the valve, the earliest first.
    std::vector<const MeasurementRow*> all(std::int64_t posizione, std::string_view riferimento) const;
    std::size_t count(std::int64_t posizione, std::string_view riferimento) const;
    // The readings of a set of valves, each valve once however often it is
    // named; readings of valves outside the set (deleted ones) do not count.
    std::size_t count(const std::vector<ValveKey>& valves) const;

private:
    using Range = std::pair<std::vector<const MeasurementRow*>::const_iterator,
                            std::vector<const MeasurementRow*>::const_iterator>;
    Range readingsOf(std::int64_t posizione, std::string_view riferimento) const;

    // By valve, then by reading number, rows of equal numbers in list order.
    std::vector<const MeasurementRow*> byValve_;
};
