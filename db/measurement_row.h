#pragma once

#include <cstdint>
#include <string>

// What the engineer found on site for one valve of the valve list: the
// measured differential pressure, the setting found on the valve, the flow
// that follows, and for a pressure-independent valve whether the measured
// pressure suffices. Kept in table misure beside the list, keyed to the
// valve by its number and designation together.
enum class MeasurementVerdict { None = -1, Insufficient = 0, Sufficient = 1 };

struct MeasurementRow {
    std::int64_t posizione = 0;
    std::string riferimento;
    float dP = 0.0f;
    std::string muP;
    std::string setting; // as shown, decimal comma
    float flow = 0.0f;
    std::string muQ;
    MeasurementVerdict verdict = MeasurementVerdict::None;
    std::string date; // ISO 8601, YYYY-MM-DD
};
