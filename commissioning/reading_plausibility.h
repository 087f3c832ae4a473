#pragma once

#include "commissioning/valve_facts.h"
#include "db/measurement_row.h"
#include "db/project_row.h"

// Why a reading cannot be what flows through the valve: a dP no valve of
// that size carries, or a flow more than three times the design. Either
// is most often a hose on the wrong tapping or a wrong unit; the engineer
// is asked before it is recorded.
struct ReadingPlausibility {
    bool dpAboveMaximum = false;
    bool flowAboveThreeTimesDesign = false;
    bool implausible() const { return dpAboveMaximum || flowAboveThreeTimesDesign; }
};

inline constexpr float kPlausibleFlowFactor = 3.0f;

// dpKpa is the reading's dP in kPa; a maximum or design flow that is not
// known is not checked.
ReadingPlausibility readingPlausibility(const ProjectRow& design, const MeasurementRow& reading, float dpKpa,
                                        const ValveFacts& facts);
