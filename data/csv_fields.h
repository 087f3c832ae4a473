#pragma once

#include "data/csv_cell.h"

#include <string>
#include <string_view>
#include <vector>

// Semicolon-separated lines as spreadsheets write and read them: a cell may
// be quoted ("..."), with a doubled quote for a quote inside.
std::vector<std::string> splitCsvLine(std::string_view line);
