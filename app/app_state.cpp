#include "app/app_state.h"

const FluidRow* chosenFluid(const AppState& state)
{
    if (state.engine.fluidIndex >= state.engine.fluids.size())
        return nullptr;
    return &state.engine.fluids[state.engine.fluidIndex];
}
