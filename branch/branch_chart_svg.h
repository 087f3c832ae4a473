#pragma once

#include "app/app_state.h"
#include "branch/balance_branch.h"
#include "db/branch_record.h"

#include <string>

// The chart of a balanced branch as an SVG picture (UTF-8), in the language
// and pressure unit in force: per circuit a bar of riser loss, circuit loss
// and valve pressure drop (ids "bar-N-riser", "bar-N-circuit", "bar-N-valve",
// N from 1), the index circuit outlined (id "index-circuit"), and the pump
// head as a line where every bar ends (id "pump-head"). The window shows
// the picture the command line writes and the protocol prints.
std::string branchChartSvg(const AppState& state, const Branch& branch, const BranchResult& result);
