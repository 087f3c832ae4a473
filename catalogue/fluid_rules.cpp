#include "catalogue/fluid_rules.h"

#include "catalogue/row_rules.h"

#include <cmath>

namespace {

constexpr std::size_t kFluidCount = 6;
constexpr double kWaterDensity = 998.2; // kg/m3 at 20 degrees C

} // namespace

void checkFluids(const std::vector<FluidSource>& fluids, const std::string& fileName,
                 Problems& problems)
{
    if (fluids.size() != kFluidCount) {
        addProblem(problems, {fileName, 1},
                   std::to_string(fluids.size()) + " fluids where 6 are needed");
        return;
    }
    for (std::size_t i = 0; i < fluids.size(); ++i) {
        const FluidSource& fluid = fluids[i];
        if (fluid.number != static_cast<long long>(i))
            addProblem(problems, fluid.where,
                       "numero " + std::to_string(fluid.number) + " where " + std::to_string(i) +
                           " follows");
        const double thousandths = fluid.relativeDensity * 1000;
        const double expected = std::round(fluid.density / kWaterDensity * 1000) / 1000;
        if (std::fabs(thousandths - std::round(thousandths)) > 1e-6 ||
            std::fabs(fluid.relativeDensity - expected) > 0.0015)
            addProblem(problems, fluid.where,
                       "densita_relativa " + numberText(fluid.relativeDensity) +
                           " is not the density over 998.2 to three decimals, " +
                           numberText(expected));
        if (i == 0) {
            if (fluid.relativeDensity != 1.0)
                addProblem(problems, fluid.where, "the first fluid, water, has relative density 1.000");
            continue;
        }
        const FluidSource& before = fluids[i - 1];
        if (!(fluid.density > before.density))
            addProblem(problems, fluid.where, "densita does not rise over the line before");
        if (!(fluid.specificHeat < before.specificHeat))
            addProblem(problems, fluid.where, "calore_specifico does not fall below the line before");
    }
}
