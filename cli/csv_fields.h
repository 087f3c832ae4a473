#pragma once

#include <string>
#include <string_view>
#include <vector>

// Semicolon-separated lines as spreadsheets write and read them: a cell may
// be quoted ("..."), with a doubled quote for a quote inside.
std::vector<std::string> splitCsvLine(std::string_view line);
// A cell for output, quoted when it holds a semicolon, a quote or a line break.
std::string csvCell(std::string_view text);
