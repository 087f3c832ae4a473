#include "system/controller_drop.h"

float controllerMinimumDrop(const DpcvRow& row, float litresPerSecond, float relativeDensity)
{
    if (!(row.qMax > 0.0f))
        return 0.0f;
    const float share = litresPerSecond / row.qMax;
    return relativeDensity * kControllerDropAtMaximumFlow * share * share;
}
