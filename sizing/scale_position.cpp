#include "sizing/scale_position.h"

namespace {

constexpr double kSnapToPosition = 1e-4; // of a step

} // namespace

std::optional<double> scalePoint(float presetting, const PresettingScale& scale, std::size_t positions)
{
    if (!(scale.step > 0.0f) || !std::isfinite(presetting) || positions == 0)
        return std::nullopt;
    const double step = scale.step;
    const double last = std::round((double(scaleEnd(scale, positions)) - scale.start) / step);
    double point = (double(presetting) - scale.start) / step;
    if (std::fabs(point - std::round(point)) < kSnapToPosition)
        point = std::round(point);
    if (!(point >= 0.0) || point > last)
        return std::nullopt;
    return point;
}

float scaleEnd(const PresettingScale& scale, std::size_t positions)
{
    if (scale.full > scale.start || positions == 0)
        return scale.full;
    return static_cast<float>(scale.start + double(scale.step) * double(positions - 1));
}
