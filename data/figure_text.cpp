#include "data/figure_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string_view>

namespace {

constexpr int kLeastDecimals = 2;
constexpr int kLeastSignificantDigits = 3;
// A float's smallest subnormal, 1.4e-45, shows three digits with 47
// decimals; no finite value needs more.
constexpr int kMostDecimals = 50;

// Digits from the first non-zero one on: the significant digits a fixed
// text shows.
int significantDigits(std::string_view text)
{
    const std::size_t first = text.find_first_of("123456789");
    if (first == std::string_view::npos)
        return 0;
    return static_cast<int>(std::count_if(text.begin() + static_cast<std::ptrdiff_t>(first), text.end(),
                                          [](char c) { return c >= '0' && c <= '9'; }));
}

// The fixed text with the fewest decimals that shows three significant
// digits. Deciding on the rounded text rather than on the logarithm keeps
// 0.09996 from printing as "0,1000" when "0,100" says as much.
std::string pointText(float value)
{
    char buffer[400];
    std::string_view text;
    for (int decimals = kLeastDecimals; decimals <= kMostDecimals; ++decimals) {
        const auto [end, error] =
            std::to_chars(buffer, buffer + sizeof buffer, double(value), std::chars_format::fixed, decimals);
        if (error != std::errc())
            return std::string();
        text = std::string_view(buffer, static_cast<std::size_t>(end - buffer));
        if (value == 0.0f || significantDigits(text) >= kLeastSignificantDigits)
            break;
    }
    return std::string(text);
}

} // namespace

std::string formatFigure(float value)
{
    if (!std::isfinite(value))
        return "---";
    std::string text = pointText(value + 0.0f); // no "-0,00"
    std::replace(text.begin(), text.end(), '.', ',');
    return text;
}

double figureValue(float value)
{
    if (!std::isfinite(value))
        return NAN;
    const std::string text = pointText(value + 0.0f);
    double printed = 0.0;
    std::from_chars(text.data(), text.data() + text.size(), printed);
    return printed;
}

double sixDigitValue(float value)
{
    char text[32];
    const auto [end, error] =
        std::to_chars(text, text + sizeof text, double(value), std::chars_format::scientific, 5);
    double rounded = 0.0;
    if (error == std::errc())
        std::from_chars(text, end, rounded);
    return rounded;
}
