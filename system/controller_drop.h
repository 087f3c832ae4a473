#pragma once

#include "db/catalogue_rows.h"

// The catalogue's upper flow of a differential pressure controller is the
// flow at which the fully open controller takes 20 kPa (Kvs = 36 q_max /
// sqrt(20)); below it the drop falls with the square of the flow.
inline constexpr float kControllerDropAtMaximumFlow = 20.0f;

// The least drop of the controller (kPa) at a flow in l/s: fully open,
// SG x 20 x (Q / q_max)^2. 0 for a row without an upper flow.
float controllerMinimumDrop(const DpcvRow& row, float litresPerSecond, float relativeDensity);
