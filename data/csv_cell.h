#pragma once

#include <string>
#include <string_view>

// One cell of a semicolon-separated line for a spreadsheet: as it is, or
// quoted ("...", a quote inside doubled) when it holds a semicolon, a quote
// or a line break, so that it stays one cell on one line.
std::string csvCell(std::string_view text);
