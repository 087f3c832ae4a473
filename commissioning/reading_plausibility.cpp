#include "commissioning/reading_plausibility.h"

#include "commissioning/measurement_judgement.h"

#include <cmath>

ReadingPlausibility readingPlausibility(const ProjectRow& design, const MeasurementRow& reading, float dpKpa,
                                        const ValveFacts& facts)
{
    ReadingPlausibility plausibility;
    plausibility.dpAboveMaximum = std::isfinite(facts.dpMaximumKpa) && facts.dpMaximumKpa > 0.0f &&
                                  !(dpKpa <= facts.dpMaximumKpa);
    const auto flow = measuredFlowInDesignUnit(design, reading);
    plausibility.flowAboveThreeTimesDesign = flow && std::isfinite(design.portata) && design.portata > 0.0f &&
                                             *flow > kPlausibleFlowFactor * design.portata;
    return plausibility;
}
