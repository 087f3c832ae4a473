#include "branch/water_properties.h"

#include <array>
#include <cmath>

namespace {

struct WaterRow {
    double celsius;
    double density;         // kg/m3
    double viscosityMm2PerS; // kinematic, mm2/s
};

// The IAPWS figures for water at 0.101325 MPa (density, and the dynamic
// viscosity divided by it); at 100 C the saturated liquid.
constexpr std::array<WaterRow, 11> kWater{{
    {0.0, 999.84, 1.7917},
    {10.0, 999.70, 1.3064},
    {20.0, 998.21, 1.0034},
    {30.0, 995.65, 0.8007},
    {40.0, 992.22, 0.6578},
    {50.0, 988.03, 0.5531},
    {60.0, 983.20, 0.4740},
    {70.0, 977.76, 0.4127},
    {80.0, 971.79, 0.3643},
    {90.0, 965.31, 0.3258},
    {100.0, 958.35, 0.2940},
}};

} // namespace

std::optional<FluidProperties> waterAt(double celsius)
{
    if (!(celsius >= kWater.front().celsius && celsius <= kWater.back().celsius))
        return std::nullopt;
    std::size_t upper = 1;
    while (upper + 1 < kWater.size() && kWater[upper].celsius < celsius)
        ++upper;
    const WaterRow& a = kWater[upper - 1];
    const WaterRow& b = kWater[upper];
    const double t = (celsius - a.celsius) / (b.celsius - a.celsius);
    return FluidProperties{a.density + t * (b.density - a.density),
                           (a.viscosityMm2PerS + t * (b.viscosityMm2PerS - a.viscosityMm2PerS)) * 1e-6};
}
