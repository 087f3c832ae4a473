#include "cli/comma_number.h"

#include <charconv>
#include <cmath>

std::optional<double> commaNumber(std::string text)
{
    for (char& c : text)
        if (c == ',')
            c = '.';
    double value = 0.0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}
