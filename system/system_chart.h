#pragma once

#include "plot/stacked_bar_chart.h"
#include "system/balance_system.h"

// The chart of a system: a bar per branch in main order, its segments the
// parts of the branch's path from the pump: the plant, the main up to its
// take-off, the branch's head (its requirement behind a foot device, the
// pressure at its take-off without one), the foot device's drop, ending at
// the pump head.
StackedBarChart systemChart(const SystemResult& result);
