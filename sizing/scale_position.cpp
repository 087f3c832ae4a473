#include "sizing/scale_position.h"

std::optional<std::size_t> scalePosition(float presetting, float start, float step, std::size_t positions)
{
    const float quotient = (presetting - start) / step;
    if (!(quotient >= 0.0f) || !(quotient < static_cast<float>(positions)))
        return std::nullopt;
    return static_cast<std::size_t>(quotient);
}
