#pragma once

#include <cmath>

// Square root as the formulas take it: of the single-precision operand,
// computed in double precision and rounded back to single precision.
inline float singleSqrt(float value)
{
    return static_cast<float>(std::sqrt(static_cast<double>(value)));
}
