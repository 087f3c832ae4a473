#include "sizing/nearest_presetting.h"

#include <cmath>

std::size_t nearestPresetting(const PresetRow& preset, float target)
{
    std::size_t best = 0;
    float bestDistance = 1000000000.0f;
    for (std::size_t i = 0; i < preset.values.size(); ++i) {
        const float distance = std::fabs(target - preset.values[i]);
        if (distance < bestDistance) {
            bestDistance = distance;
            best = i;
        }
    }
    return best;
}

float presettingAt(std::size_t position, float step, float start)
{
    return static_cast<float>(position) * step + start;
}
