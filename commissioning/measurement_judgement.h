#pragma once

#include "db/measurement_row.h"
#include "db/project_row.h"

#include <optional>

// How far a valve's measured flow may stray from its design flow and still
// pass commissioning, in percent either way.
inline constexpr float kFlowTolerancePercent = 10.0f;

enum class MeasurementMark {
    NotMeasured,
    Passed,
    Failed,
    // Measured, but there is nothing to judge it by: no design flow in a
    // comparable unit and no verdict on the pressure.
    Unjudged,
};

struct MeasurementJudgement {
    MeasurementMark mark = MeasurementMark::NotMeasured;
    // (measured - design) / design in percent, when both flows are known.
    std::optional<float> deviationPercent;
};

// A measurement against the design of its valve: the flow deviation, and
// passed when it lies within the tolerance and the pressure (where judged)
// suffices.
MeasurementJudgement judgeMeasurement(const ProjectRow& design, const MeasurementRow* measured);
