#pragma once

#include "branch/water_properties.h"
#include "db/branch_record.h"

// The flow through a pipe section and the pressure it loses.
struct SectionHydraulics {
    double velocity = 0.0;       // w, m/s
    double reynolds = 0.0;       // w d / nu
    double frictionFactor = 0.0; // lambda (Darcy)
    double lossKpa = 0.0;        // (lambda L / d + zeta) rho w^2 / 2
};

// A section of positive diameter carrying a flow in l/s.
SectionHydraulics pipeSectionLoss(const PipeSection& pipe, double litresPerSecond, const FluidProperties& fluid);
