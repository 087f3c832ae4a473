#include "sizing/hydraulic_factors.h"
#include "sizing/single_precision.h"
#include "sizing/valve_families.h"

#include "db/product_db.h"

#include <cmath>

void measureFixedOrifice(AppState& state, ProductDb& db, float measuredPressure, ChosenRow clicked)
{
    state.fobvCommFound = 0;
    state.fobvCommChosen.reset();
    if (!clicked || *clicked >= state.fobvCommRows.size()) {
        db.queryFobvAll(state.fobvCommRows);
        return;
    }
    const std::optional<HydraulicFactors> factors = hydraulicFactors(state);
    // No fluid to convert with, or a pressure beyond the float range: no flow
    // rather than an infinite one.
    if (!factors || !std::isfinite(measuredPressure))
        return;
    const FobvRow& valve = state.fobvCommRows[*clicked];
    const float basePressure = factors->pressureFactor * measuredPressure;
    const float a = singleSqrt(basePressure) * valve.kvs;
    const float b = singleSqrt(factors->relativeDensity) * 36.0f;
    state.fobvMeasuredFlow = (a / b) / factors->flowFactor;
    state.fobvCommFound = 1;
    state.fobvCommChosen = clicked;
}
