#pragma once

#include <cstddef>
#include <optional>

// The position of a presetting on a valve's scale (start + position x step),
// truncated toward zero in single precision, among `positions` positions.
// A presetting below the start of the scale has no position, even when it
// lies less than one step below (the truncation alone would make that
// position 0); neither has one on a scale without steps.
std::optional<std::size_t> scalePosition(float presetting, float start, float step, std::size_t positions);
