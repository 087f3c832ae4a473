#pragma once

#include <string>
#include <string_view>
#include <vector>

// The non-empty lines of a panel text (its line breaks are CR LF).
std::vector<std::string> nonEmptyLines(std::string_view text);

// The same lines joined with " | ", for a cell that must stay on one line.
std::string onOneLine(std::string_view text);
