#pragma once

#include "app/app_state.h"
#include "db/system_record.h"
#include "system/balance_system.h"

#include <string>

// A system's figures against the plausible limits (plausible_figures.h):
// the first beyond them as one line naming the branch, section or circuit,
// the figure and the limit; empty when every figure keeps to them.

// The system as read, in base units (l/s, kPa).
std::string implausibleSystemInput(const HydronicSystem& system);

// The balanced system, in the units in force of state.
std::string implausibleSystemResult(const AppState& state, const HydronicSystem& system, const SystemResult& result);
