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
    // (measured - design) / design in percent from the two flows as printed
    // (at least three significant digits), when both are known.
    std::optional<float> deviationPercent;
};

// The measured flow in the unit of the design flow; none when one of the
// two is a mass unit and the other is not the same.
std::optional<float> measuredFlowInDesignUnit(const ProjectRow& design, const MeasurementRow& measured);

// A measurement against the design of its valve: the flow deviation, and
// passed when it lies within the tolerance and the pressure (where judged)
// suffices.
MeasurementJudgement judgeMeasurement(const ProjectRow& design, const MeasurementRow* measured);
