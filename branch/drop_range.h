#pragma once

#include <optional>
#include <vector>

// The pressure drops over which a valve can be set for a flow: from its
// full opening (low) to its smallest flow coefficient (high).
struct DropRange {
    float low = 0.0f;
    float high = 0.0f;
};

// The least drop, not below minimum, that lies in one of the ranges; none
// when every range ends below minimum (or there is none).
std::optional<float> leastDropFrom(const std::vector<DropRange>& ranges, float minimum);
