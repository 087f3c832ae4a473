#include "sizing/flow_from_power.h"

std::optional<float> flowFromPower(const AppState& state, float powerWatt, float deltaKelvin)
{
    const FluidRow* fluid = chosenFluid(state);
    if (!fluid || fluid->specificHeat <= 0 || fluid->density <= 0 ||
        state.engine.flowUnitIndex >= state.engine.flowUnits.size())
        return std::nullopt;
    if (deltaKelvin == 0.0f)
        return 0.0f;

    // One single-precision step at a time, in this order: the figures users
    // compare against come out of exactly these roundings.
    float q = powerWatt / deltaKelvin;
    q = q / static_cast<float>(fluid->specificHeat);
    q = q * 1000.0f;
    const float rho = static_cast<float>(fluid->density);
    q = q / rho; // l/s
    const float factor = state.engine.flowUnits[state.engine.flowUnitIndex].factor;
    if (isMassFlowUnit(state.engine.flowUnitIndex))
        return q / (factor / rho);
    return q / factor;
}
