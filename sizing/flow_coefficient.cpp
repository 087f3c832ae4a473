#include "sizing/flow_coefficient.h"

#include "sizing/single_precision.h"

FlowCoefficient requiredFlowCoefficient(float relativeDensity, float flowFactor, float flow, float pressureFactor,
                                        float pressureDrop)
{
    FlowCoefficient result;
    result.k = singleSqrt(relativeDensity) * ((flowFactor * flow) * 36.0f);
    result.kv = result.k / singleSqrt(pressureFactor * pressureDrop);
    return result;
}
