#include "branch/control_valve_drop.h"

float controlValveDrop(float litresPerSecond, float kvs, float relativeDensity)
{
    const float ratio = 36.0f * litresPerSecond / kvs;
    return relativeDensity * ratio * ratio;
}
