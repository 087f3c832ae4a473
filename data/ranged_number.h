#pragma once

#include <string>

// What a number of the branch may be.
enum class NumberRange { Positive, NotNegative, Any };

// A number as typed in the window (decimal comma or point) or as a
// spreadsheet writes it (with an exponent: 1,5E+02), with a leading minus,
// that must lie in range. Empty on success; else one line naming
// the value by name and saying what is wrong with it: not a number, too
// large, or out of its range.
std::string rangedNumber(const std::string& name, const std::string& text, NumberRange range, float& value);
