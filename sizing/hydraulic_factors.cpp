#include "sizing/hydraulic_factors.h"

#include "app/unit_conversion.h"

std::optional<HydraulicFactors> hydraulicFactors(const AppState& state)
{
    const FluidRow* fluid = chosenFluid(state);
    const std::optional<float> flowFactor = effectiveFlowFactor(state);
    if (!fluid || !(fluid->relativeDensity > 0.0f) || !flowFactor)
        return std::nullopt;
    return HydraulicFactors{*flowFactor, pressureFactor(state), fluid->relativeDensity};
}
