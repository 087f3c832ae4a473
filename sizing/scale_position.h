#pragma once

#include "db/catalogue_rows.h"

#include <array>
#include <cmath>
#include <cstddef>
#include <optional>

// A presetting's place on a valve's own scale as a fractional position (0 at
// the start); none off the scale or on a scale without steps. A presetting
// within a ten-thousandth of a step of a position is that position, so that
// 4,0 on a scale from 0,5 in steps of 0,1 is position 35 and not a little
// beyond it. A scale without its full opening ends where its table does,
// at position positions - 1.
std::optional<double> scalePoint(float presetting, const PresettingScale& scale, std::size_t positions);

// The last presetting of a scale: its full opening, or where its table of
// positions ends when the catalogue gives none.
float scaleEnd(const PresettingScale& scale, std::size_t positions);

// A curve's value at a fractional position, interpolated linearly between
// the two positions around it: the catalogue's curves are smooth between
// positions a step apart. None beyond the curve's table.
template <std::size_t N>
std::optional<double> curveValueAt(const std::array<float, N>& values, double point)
{
    const auto below = static_cast<std::size_t>(std::floor(point));
    const auto above = static_cast<std::size_t>(std::ceil(point));
    if (!(point >= 0.0) || above >= N)
        return std::nullopt;
    const double fraction = point - static_cast<double>(below);
    return values[below] + (static_cast<double>(values[above]) - values[below]) * fraction;
}
