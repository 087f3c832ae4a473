#pragma once

#include "branch/balance_branch.h"
#include "plot/stacked_bar_chart.h"

// The chart of a branch: a bar per circuit in branch order, its segments
// the riser loss up to its take-off, its own loss, its control valve's drop
// (when the branch has control valves), then its balancing valve's drop,
// ending at the pump head.
StackedBarChart branchChart(const BranchResult& result);

// Whether a circuit of the branch has a control valve, which its bars then
// show as a segment of its own.
bool hasControlValves(const BranchResult& result);
