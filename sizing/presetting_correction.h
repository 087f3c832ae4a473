#pragma once

#include "db/catalogue_rows.h"

#include <cmath>
#include <optional>

// What reading the needed flow coefficient back from a valve's curve came to.
enum class CorrectionOutcome {
    Corrected,          // the presetting to set lies on the valve's scale
    SmallerValveNeeded, // the Kv needed lies below the curve's smallest
    BiggerValveNeeded,  // the Kv needed lies above the curve's largest
    NoFlowToCompare,    // a measured or design flow of zero, below zero or no number
    PresettingOffScale, // the presetting found lies off the valve's curve, or it has none
};

// The presetting that brings a static valve whose measured flow missed its
// design flow back to the design flow. Flow coefficients in m3/h at 1 bar;
// each is not-a-number where the outcome leaves it unknown.
struct PresettingCorrection {
    CorrectionOutcome outcome = CorrectionOutcome::NoFlowToCompare;
    float kvFound = NAN;        // at the presetting found on site
    float kvNeeded = NAN;       // Kv found x Q design / Q measured
    float presetting = NAN;     // to set (when corrected)
    float kvAtPresetting = NAN; // the curve's value there
};

// The flow coefficient of a static valve at a presetting found on it: its
// curve (the catalogue's preset row, position i at start + i x step, as the
// sizing reads it), straight between two scale marks, since a handwheel
// turns continuously and the chart draws the curve so. None off the curve.
std::optional<float> kvAtPresetting(const PresetRow& curve, float start, float step, float presetting);

// The first and last presetting of a static valve's curve, the range
// kvAtPresetting reads; none without a curve.
struct PresettingRange {
    float first = 0.0f;
    float last = 0.0f;
};
std::optional<PresettingRange> curvePresettingRange(const PresetRow& curve, float start, float step);

// With the differential pressure across the valve taken as unchanged (the
// usual first correction; the next reading confirms it), the valve needs
// Kv found x Q design / Q measured, and the presetting to set is the one the
// sizing would choose for that Kv: the nearest position of the curve. Both
// flows in the same unit, whichever it is.
PresettingCorrection correctPresetting(const PresetRow& curve, float start, float step, float presettingFound,
                                       float designFlow, float measuredFlow);
