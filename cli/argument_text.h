#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

// A number as typed in the window: digits with at most one decimal comma
// (a decimal point is accepted too), at least one digit, nothing else.
bool isNumberText(std::string_view text);

// A whole number 0 to maxValue written with digits only.
std::optional<std::size_t> parseIndexText(std::string_view text, std::size_t maxValue);
