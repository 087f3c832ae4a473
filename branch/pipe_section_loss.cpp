#include "branch/pipe_section_loss.h"

#include "branch/friction_factor.h"

#include <cmath>

SectionHydraulics pipeSectionLoss(const PipeSection& pipe, double litresPerSecond, const FluidProperties& fluid)
{
    constexpr double kPi = 3.14159265358979323846;
    const double diameter = pipe.innerDiameterMm / 1000.0;
    SectionHydraulics section;
    section.velocity = litresPerSecond / 1000.0 / (kPi * diameter * diameter / 4.0);
    section.reynolds = section.velocity * diameter / fluid.kinematicViscosity;
    section.frictionFactor = darcyFrictionFactor(section.reynolds, pipe.roughnessMm / pipe.innerDiameterMm);
    const double resistance = section.frictionFactor * pipe.lengthM / diameter + pipe.zeta;
    section.lossKpa = resistance * fluid.density * section.velocity * section.velocity / 2.0 / 1000.0;
    return section;
}
