#include "plot/curve_plot.h"

#include <cmath>

namespace {

// The smallest of 1, 2, 5, 10 times a power of ten that is at least rawStep.
double roundedStep(double rawStep)
{
    const double power = std::pow(10.0, std::floor(std::log10(rawStep)));
    for (const double factor : {1.0, 2.0, 5.0})
        if (factor * power >= rawStep * (1.0 - 1e-9))
            return factor * power;
    return 10.0 * power;
}

} // namespace

PlotAxis roundedAxis(double low, double high, int maxTicks)
{
    if (!(high > low)) {
        const double half = low == 0.0 ? 1.0 : std::fabs(low) / 2.0;
        return roundedAxis(low - half, low + half, maxTicks);
    }
    const double step = roundedStep((high - low) / maxTicks);
    // Tolerate the rounding of a value that lies on a tick.
    const double first = std::floor(low / step + 1e-9) * step;
    const double last = std::ceil(high / step - 1e-9) * step;
    return {first, last, step};
}

std::vector<double> axisTicks(const PlotAxis& axis)
{
    std::vector<double> ticks;
    const long count = std::lround((axis.high - axis.low) / axis.step);
    for (long i = 0; i <= count; ++i)
        ticks.push_back(axis.low + static_cast<double>(i) * axis.step);
    return ticks;
}

PlotPoint plotPoint(const PlotAxis& x, const PlotAxis& y, const PlotArea& area, double xValue, double yValue)
{
    return {area.left + (xValue - x.low) / (x.high - x.low) * area.width,
            area.top + area.height - (yValue - y.low) / (y.high - y.low) * area.height};
}
