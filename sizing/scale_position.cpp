#include "sizing/scale_position.h"

#include "db/catalogue_rows.h"

std::optional<std::size_t> scalePosition(float presetting, float start, float step)
{
    const float quotient = (presetting - start) / step;
    if (!(quotient >= 0.0f) || !(quotient < static_cast<float>(kStartupPositions)))
        return std::nullopt;
    return static_cast<std::size_t>(quotient);
}
