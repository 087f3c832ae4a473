#pragma once

#include "app/app_state.h"

#include <optional>

// The flow rate in the chosen flow unit that carries powerWatt at a
// temperature difference of deltaKelvin through the chosen fluid, in single
// precision. None without a usable fluid row (missing, or a specific heat or
// density that is not positive) or without the chosen flow unit; equal
// temperatures give 0.
std::optional<float> flowFromPower(const AppState& state, float powerWatt, float deltaKelvin);
