#include "data/ranged_number.h"

#include "data/argument_text.h"
#include "data/number_text.h"

#include <cmath>
#include <string_view>

std::string rangedNumber(const std::string& name, const std::string& text, NumberRange range, float& value)
{
    const bool negative = !text.empty() && text.front() == '-';
    const std::string_view digits = negative ? std::string_view(text).substr(1) : std::string_view(text);
    const std::string quoted = name + " '" + text + "'";
    if (!isNumberText(digits))
        return quoted + " is not a number";
    value = parseCommaDecimal(digits);
    if (!std::isfinite(value))
        return quoted + " is too large";
    if (negative)
        value = -value;
    if (range == NumberRange::Positive && !(value > 0.0f))
        return quoted + " must be more than 0";
    if (range == NumberRange::NotNegative && value < 0.0f)
        return quoted + " must not be negative";
    return {};
}
