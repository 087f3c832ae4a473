#include "sizing/choose_candidate.h"
#include "sizing/flow_coefficient.h"
#include "sizing/hydraulic_factors.h"
#include "sizing/nearest_presetting.h"
#include "sizing/single_precision.h"
#include "sizing/valve_families.h"

#include "db/product_db.h"

#include <cmath>

void sizeFixedOrifice(AppState& state, ProductDb& db, float flow, float pressureDrop, ChosenRow clicked)
{
    state.fobvFound = 0;
    state.fobvChosen.reset();
    const std::optional<HydraulicFactors> factors = hydraulicFactors(state);
    // A number beyond the float range finds nothing rather than an infinite Kv.
    if (!factors || !std::isfinite(flow) || !std::isfinite(pressureDrop)) {
        state.fobvRows.clear();
        return;
    }
    const FlowCoefficient required = requiredFlowCoefficient(factors->relativeDensity, factors->flowFactor, flow,
                                                             factors->pressureFactor, pressureDrop);
    // The orifice must read between dpMin and dpMax (kPa) at the design flow.
    const float kvsLow = required.k / singleSqrt(state.engine.dpMax);
    const float kvsHigh = required.k / singleSqrt(state.engine.dpMin);
    db.queryFobvByKv(state.fobvRows, required.kv, kvsLow, kvsHigh);

    const CandidateChoice choice = chooseCandidate(state.fobvRows, state.engine.modelNames[FixedOrificeKind], clicked);
    state.fobvFound = choice.found;
    state.fobvChosen = choice.chosen;
    if (!choice.chosen)
        return;

    const FobvRow& valve = state.fobvRows[*choice.chosen];
    std::vector<PresetRow> presets;
    if (db.queryPreset(presets, valve.technicalCode) == 0)
        return; // the valve stays found; the numbers of the last sizing stay
    const std::size_t position = nearestPresetting(presets.front(), required.kv);
    state.fobvPresetting = presettingAt(position, valve.presetStep, valve.presetStart);
    state.fobvKvAtSetting = presets.front().values[position];
    state.fobvOpening = state.fobvPresetting / valve.presetFullOpening;
}
