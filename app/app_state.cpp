#include "app/app_state.h"

const FluidRow* chosenFluid(const AppState& state)
{
    if (state.fluidIndex >= state.fluids.size())
        return nullptr;
    return &state.fluids[state.fluidIndex];
}
