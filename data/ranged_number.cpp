#include "data/ranged_number.h"

#include "data/argument_text.h"
#include "data/number_text.h"

#include <cmath>
#include <string_view>

namespace {

// Digits with at most one decimal comma or point, then perhaps an exponent
// as spreadsheets write one: "12,5", "1.25", "1,5E+02", "1e-3".
bool isDecimalNumber(std::string_view text)
{
    const std::size_t mark = text.find_first_of("eE");
    if (mark == std::string_view::npos)
        return isNumberText(text);
    std::string_view exponent = text.substr(mark + 1);
    if (!exponent.empty() && (exponent.front() == '+' || exponent.front() == '-'))
        exponent.remove_prefix(1);
    return isNumberText(text.substr(0, mark)) && !exponent.empty() &&
           exponent.find_first_not_of("0123456789") == std::string_view::npos;
}

} // namespace

std::string rangedNumber(const std::string& name, const std::string& text, NumberRange range, float& value)
{
    const bool negative = !text.empty() && text.front() == '-';
    const std::string_view digits = negative ? std::string_view(text).substr(1) : std::string_view(text);
    const std::string quoted = name + " '" + text + "'";
    if (!isDecimalNumber(digits))
        return quoted + " is not a number (digits with a decimal comma or point, as 12,5 or 1,5E+02)";
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
