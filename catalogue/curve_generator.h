#pragma once

#include "catalogue/catalogue_sources.h"

#include <optional>
#include <vector>

// Curves are stored with four significant digits.
inline constexpr int kCurveDigits = 4;

// Number of positions of a scale, when (full - start) / step is a whole number.
std::optional<int> scalePositions(const PresetScale& scale);

// `value` rounded to `digits` significant digits, as the nearest double to
// that decimal.
double roundSignificant(double value, int digits);

// F(h) of the handwheel curve, 0 at h = 0 and 1 at h = 1.
double curveFraction(double h, const CurveShape& shape);

// Flow coefficient at each of `positions` presetting positions, from kvMin at
// the first to kvMax at the last, rounded; none when rounding cannot keep the
// curve strictly increasing.
std::optional<std::vector<double>> presettingCurve(double kvMin, double kvMax, int positions,
                                                   const CurveShape& shape);

// Preset flow of a pressure-independent valve: linear in the presetting from
// qMin to qMax, rounded; none when rounding cannot keep it strictly increasing.
std::optional<std::vector<double>> presetFlows(double qMin, double qMax, int positions);

// Minimum differential pressure at each preset flow: the regulator's own
// minimum plus a seat loss growing with the square of the flow, reaching
// dpMinFull at qMax. Rounded to 0.1 kPa.
std::vector<double> minimumPressures(const std::vector<double>& flows, double qMax,
                                     double dpMinLow, double dpMinFull);
