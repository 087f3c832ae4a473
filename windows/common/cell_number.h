#pragma once

#include <optional>
#include <string>

// A number typed into a table's cell: digits with a decimal comma or point,
// not negative and not beyond single precision; none for anything else.
std::optional<float> cellNumber(const std::u16string& cell);
