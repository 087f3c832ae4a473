#include "branch/drop_range.h"

#include <algorithm>

std::optional<float> leastDropFrom(const std::vector<DropRange>& ranges, float minimum)
{
    std::optional<float> least;
    for (const DropRange& range : ranges) {
        if (range.high < minimum || range.high < range.low)
            continue;
        const float drop = std::max(range.low, minimum);
        if (!least || drop < *least)
            least = drop;
    }
    return least;
}
