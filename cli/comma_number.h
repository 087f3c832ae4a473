#pragma once

#include <optional>
#include <string>

// A number as the windows show it ("3,70", "-1,25", "100"), for readers that
// want numbers; "---", verdict words and anything beyond double give none.
std::optional<double> commaNumber(std::string text);
