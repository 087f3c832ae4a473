#include "data/number_text.h"

#include "data/utf8_field.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isBlank(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

// Length of the decimal number at the start of text (after the sign), as
// strtod would take it: digits, optional fraction, optional exponent.
std::size_t decimalNumberLength(std::string_view text, char decimalMark)
{
    std::size_t i = 0;
    std::size_t digits = 0;
    while (i < text.size() && isDigit(text[i])) { ++i; ++digits; }
    if (i < text.size() && text[i] == decimalMark) {
        std::size_t j = i + 1;
        std::size_t fraction = 0;
        while (j < text.size() && isDigit(text[j])) { ++j; ++fraction; }
        if (digits + fraction > 0)
            i = j;
        digits += fraction;
    }
    if (digits == 0)
        return 0;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < text.size() && (text[j] == '+' || text[j] == '-'))
            ++j;
        if (j < text.size() && isDigit(text[j])) {
            while (j < text.size() && isDigit(text[j]))
                ++j;
            i = j;
        }
    }
    return i;
}

// Whether a number text that no double can hold lies beyond the largest
// (true) or below the smallest (false) one: the power of ten of its first
// non-zero digit plus its exponent decides, the other digits cannot.
bool isBeyondLargest(std::string_view number)
{
    const std::size_t exponentMark = number.find_first_of("eE");
    const std::string_view mantissa = number.substr(0, exponentMark);
    std::int64_t exponent = 0;
    if (exponentMark != std::string_view::npos) {
        std::size_t i = exponentMark + 1;
        const bool negative = number[i] == '-';
        if (number[i] == '+' || negative)
            ++i;
        constexpr std::int64_t saturated = 1'000'000'000'000'000;
        for (; i < number.size() && exponent < saturated; ++i)
            exponent = exponent * 10 + (number[i] - '0');
        if (negative)
            exponent = -exponent;
    }
    const std::size_t point = std::min(mantissa.find('.'), mantissa.size());
    const std::size_t first = mantissa.find_first_of("123456789");
    const std::int64_t power = first < point ? static_cast<std::int64_t>(point - first - 1)
                                             : -static_cast<std::int64_t>(first - point);
    return power + exponent > 0;
}

double readLeadingDecimal(std::string_view text, char decimalMark)
{
    std::size_t start = 0;
    while (start < text.size() && isBlank(text[start]))
        ++start;
    bool negative = false;
    if (start < text.size() && (text[start] == '+' || text[start] == '-')) {
        negative = text[start] == '-';
        ++start;
    }
    const std::string_view rest = text.substr(start);
    const std::size_t length = decimalNumberLength(rest, decimalMark);
    if (length == 0)
        return 0.0;
    std::string number(rest.substr(0, length));
    std::replace(number.begin(), number.end(), decimalMark, '.');
    double value = 0.0;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
    (void)end;
    // As strtod: too large is infinite, too small is zero, sign kept.
    if (error == std::errc::result_out_of_range)
        value = isBeyondLargest(number) ? std::numeric_limits<double>::infinity() : 0.0;
    return negative ? -value : value;
}

} // namespace

float narrowToFloat(double value)
{
    // Halfway past the largest float and beyond, rounding gives infinity;
    // a plain cast of such a value would be undefined.
    constexpr double overflowsFrom = 0x1.ffffffp127;
    if (std::fabs(value) >= overflowsFrom)
        return value < 0 ? -std::numeric_limits<float>::infinity() : std::numeric_limits<float>::infinity();
    return static_cast<float>(value);
}

std::string formatPointDecimal(double value)
{
    char buffer[400];
    auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 2);
    if (error != std::errc())
        return std::string();
    std::string text(buffer, end);
    if (text.size() < 4)
        text.insert(0, 4 - text.size(), ' ');
    return text;
}

std::string formatCommaDecimal(float value)
{
    std::string text = formatPointDecimal(static_cast<double>(value));
    std::replace(text.begin(), text.end(), '.', ',');
    return text;
}

std::string formatResultNumber(float value)
{
    std::string text = std::isfinite(value) ? formatCommaDecimal(value) : std::string();
    return text.empty() || text.size() > kNumericFieldLength ? std::string("---") : text;
}

float parseCommaDecimal(std::string_view text)
{
    std::string pointed(text);
    std::replace(pointed.begin(), pointed.end(), ',', '.');
    return narrowToFloat(readLeadingDecimal(pointed, '.'));
}

double parseCDouble(std::string_view text)
{
    return readLeadingDecimal(text, '.');
}

bool isWholeCDecimal(std::string_view text)
{
    std::size_t start = 0;
    while (start < text.size() && isBlank(text[start]))
        ++start;
    if (start < text.size() && (text[start] == '+' || text[start] == '-'))
        ++start;
    const std::size_t length = decimalNumberLength(text.substr(start), '.');
    std::size_t end = start + length;
    while (end < text.size() && isBlank(text[end]))
        ++end;
    return length > 0 && end == text.size();
}

std::int64_t parseCInteger(std::string_view text)
{
    std::size_t i = 0;
    while (i < text.size() && isBlank(text[i]))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    std::int64_t value = 0;
    constexpr std::int64_t limit = std::numeric_limits<std::int64_t>::max() / 10 - 9;
    for (; i < text.size() && isDigit(text[i]) && value < limit; ++i)
        value = value * 10 + (text[i] - '0');
    return negative ? -value : value;
}

NumericEdit acceptNumericText(std::string& stored, std::string_view typed)
{
    const std::string entered = truncateUtf8(typed, kNumericFieldLength);
    if (entered == stored)
        return {};
    // Many keyboards put a point where the field keeps its comma: the point
    // becomes the decimal comma rather than a rejected key.
    std::string candidate = entered;
    std::replace(candidate.begin(), candidate.end(), '.', ',');
    const bool pointReplaced = candidate != entered;
    if (candidate.size() < stored.size()) {
        stored = candidate;
        return {true, pointReplaced};
    }
    const bool numeric = std::all_of(candidate.begin(), candidate.end(),
                                     [](char c) { return isDigit(c) || c == ','; });
    const bool changed = numeric && candidate != stored;
    if (numeric)
        stored = candidate;
    return {changed, true};
}
