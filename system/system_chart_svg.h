#pragma once

#include "app/app_state.h"
#include "db/system_record.h"
#include "system/balance_system.h"

#include <string>

// The chart of a balanced system as an SVG picture (UTF-8), in the language
// and units in force: the duty point under the title, per branch a bar of
// plant loss, main loss to its take-off, branch head and foot device drop
// (ids "bar-N-plant", "bar-N-main", "bar-N-branch", "bar-N-foot", N from 1),
// the index branch outlined (id "index-branch"), and the pump head as a line
// where every bar ends (id "pump-head").
std::string systemChartSvg(const AppState& state, const HydronicSystem& system, const SystemResult& result);
