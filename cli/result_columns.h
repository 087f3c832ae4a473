#pragma once

#include "cli/size_outcome.h"

#include <array>
#include <cstddef>
#include <string>

// The columns of a batch line after the error cell, for spreadsheet users.
// First the duty as understood, named as the duty file's columns (flow, dp,
// pick, flow_unit, pressure_unit, fluid), so that a result can be read
// without its duty file. Then the named results: each holds its value where
// the view shows it and is empty elsewhere, so nobody needs to know which of
// result1 to result3 a view uses, nor read the details cell. No result
// column is named like a duty column.
inline constexpr std::size_t kResultColumnCount = 18;

// "flow;dp;pick;flow_unit;pressure_unit;fluid;presetting;kv;kv_required;
// opening_percent;result_flow;result_flow_unit;dp_min;dp_min_unit;verdict;
// material_number;nominal_size;warnings"
std::string resultColumnHeader();

// The cells of those columns for one outcome, unquoted.
std::array<std::string, kResultColumnCount> resultColumnCells(const SizeOutcome& outcome);
