#pragma once

#include "app/app_state.h"

#include <optional>

// What the hydraulic formulas need of the chosen units and fluid.
struct HydraulicFactors {
    float flowFactor = 1.0f;     // current flow unit -> l/s
    float pressureFactor = 1.0f; // current pressure unit -> kPa
    float relativeDensity = 1.0f;
};

// None when the chosen fluid has no row, its relative density is not
// positive, or a mass flow unit finds no usable density. The families then
// report that nothing was found: dividing by a zero density or taking the
// root of a missing one would only show an infinite or empty result.
std::optional<HydraulicFactors> hydraulicFactors(const AppState& state);
