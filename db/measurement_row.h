#pragma once

#include <cstdint>
#include <string>

// What the engineer found on site for one valve of the valve list: the
// measured differential pressure, the presetting found on the valve, the
// flow that follows, and for a pressure-independent valve whether the
// measured pressure suffices. Kept in table misure beside the list, keyed to
// the valve by its number and designation together; a valve may have any
// number of readings, the latest of which counts.
enum class MeasurementVerdict { None = -1, Insufficient = 0, Sufficient = 1 };

struct MeasurementRow {
    std::int64_t posizione = 0;
    std::string riferimento;
    float dP = 0.0f;
    std::string muP;
    std::string setting; // the presetting found on site, as shown, decimal comma
    float flow = 0.0f;
    std::string muQ;
    MeasurementVerdict verdict = MeasurementVerdict::None;
    std::string date; // ISO 8601, YYYY-MM-DD
    // The engineer was asked about an implausible reading (a dP beyond what
    // the valve can carry, a flow over three times the design) and kept it.
    bool implausibleConfirmed = false;
    // The reading's number, rising in the order of recording; 0 for one not
    // yet recorded (record gives it its number).
    std::int64_t reading = 0;
};
