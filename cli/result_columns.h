#pragma once

#include "cli/size_outcome.h"

#include <array>
#include <cstddef>
#include <string>

// The named result columns of a batch line, for spreadsheet users: each holds
// its value where the view shows it and is empty elsewhere, so nobody needs
// to know which of result1 to result3 a view uses, nor read the details cell.
inline constexpr std::size_t kResultColumnCount = 10;

// "presetting;kv;opening_percent;flow;flow_unit;dp_min;pressure_unit;verdict;
// material_number;nominal_size"
std::string resultColumnHeader();

// The cells of those columns for one outcome, unquoted.
std::array<std::string, kResultColumnCount> resultColumnCells(const SizeOutcome& outcome);
