#include "catalogue/curve_generator.h"

#include <cmath>

namespace {

// Decimal exponent of the leading digit of a positive value.
int leadingExponent(double value)
{
    int exponent = static_cast<int>(std::floor(std::log10(value)));
    if (std::pow(10.0, exponent + 1) <= value)
        ++exponent;
    else if (std::pow(10.0, exponent) > value)
        --exponent;
    return exponent;
}

// count x 10^exponent as the nearest double to that decimal.
double decimal(double count, int exponent)
{
    return exponent < 0 ? count / std::pow(10.0, -exponent) : count * std::pow(10.0, exponent);
}

// Rounds the inner values of a series that runs from `first` to `last`; a value
// that rounding made equal to (or below) its predecessor moves up by one unit
// of its last digit, so that the stored curve stays strictly increasing.
std::optional<std::vector<double>> roundedIncreasing(const std::vector<double>& raw, double first,
                                                     double last)
{
    if (!(first < last))
        return std::nullopt;
    std::vector<double> values(raw.size());
    values.front() = first;
    values.back() = last;
    for (std::size_t i = 1; i + 1 < raw.size(); ++i) {
        double value = roundSignificant(raw[i], kCurveDigits);
        const double previous = values[i - 1];
        if (value <= previous) {
            const int exponent = leadingExponent(previous) - (kCurveDigits - 1);
            value = decimal(std::round(decimal(previous, -exponent)) + 1, exponent);
        }
        if (value >= last)
            return std::nullopt;
        values[i] = value;
    }
    return values;
}

} // namespace

std::optional<int> scalePositions(const PresetScale& scale)
{
    if (!(scale.step > 0) || !(scale.full > scale.start))
        return std::nullopt;
    const double steps = (scale.full - scale.start) / scale.step;
    const double whole = std::round(steps);
    if (std::fabs(steps - whole) > 1e-6)
        return std::nullopt;
    return static_cast<int>(whole) + 1;
}

double roundSignificant(double value, int digits)
{
    if (value == 0 || !std::isfinite(value))
        return value;
    const int exponent = leadingExponent(std::fabs(value)) - (digits - 1);
    return decimal(std::round(decimal(value, -exponent)), exponent);
}

double curveFraction(double h, const CurveShape& shape)
{
    return shape.c * h + (1 - shape.c) * (1 - std::pow(1 - std::pow(h, shape.a), shape.b));
}

std::optional<std::vector<double>> presettingCurve(double kvMin, double kvMax, int positions,
                                                   const CurveShape& shape)
{
    if (positions < 2)
        return std::nullopt;
    std::vector<double> raw(static_cast<std::size_t>(positions));
    for (int i = 0; i < positions; ++i) {
        const double h = static_cast<double>(i) / (positions - 1);
        raw[static_cast<std::size_t>(i)] = kvMin + (kvMax - kvMin) * curveFraction(h, shape);
    }
    return roundedIncreasing(raw, kvMin, kvMax);
}

std::optional<std::vector<double>> presetFlows(double qMin, double qMax, int positions)
{
    if (positions < 2)
        return std::nullopt;
    std::vector<double> raw(static_cast<std::size_t>(positions));
    for (int i = 0; i < positions; ++i)
        raw[static_cast<std::size_t>(i)] =
            qMin + (qMax - qMin) * static_cast<double>(i) / (positions - 1);
    return roundedIncreasing(raw, qMin, qMax);
}

std::vector<double> minimumPressures(const std::vector<double>& flows, double qMax,
                                     double dpMinLow, double dpMinFull)
{
    std::vector<double> pressures;
    pressures.reserve(flows.size());
    for (const double flow : flows) {
        const double share = flow / qMax;
        const double dp = dpMinLow + (dpMinFull - dpMinLow) * share * share;
        pressures.push_back(std::round(dp * 10) / 10);
    }
    return pressures;
}
