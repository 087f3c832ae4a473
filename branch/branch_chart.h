#pragma once

#include "branch/balance_branch.h"
#include "plot/stacked_bar_chart.h"

// The chart of a branch: a bar per circuit in branch order, its segments
// the riser loss up to its take-off, its own loss, then its valve's
// pressure drop, ending at the pump head.
StackedBarChart branchChart(const BranchResult& result);
