#pragma once

#include "catalogue/catalogue_sources.h"
#include "catalogue/problems.h"

// The six fluids in order: water, then water and ethylene glycol at 10 to
// 50 %: numbered 0 to 5, water of relative density 1.000, density rising and
// specific heat falling with the glycol share, relative density the density
// over that of water at 20 degrees C, to three decimals.
void checkFluids(const std::vector<FluidSource>& fluids, const std::string& fileName,
                 Problems& problems);
