#include "sizing/choose_candidate.h"
#include "sizing/flow_coefficient.h"
#include "sizing/hydraulic_factors.h"
#include "sizing/nearest_presetting.h"
#include "sizing/valve_families.h"

#include "db/product_db.h"

#include <cmath>

void sizeVariableOrifice(AppState& state, ProductDb& db, float flow, float pressureDrop, ChosenRow clicked)
{
    state.vobvFound = 0;
    state.vobvChosen.reset();
    const std::optional<HydraulicFactors> factors = hydraulicFactors(state);
    // A number beyond the float range finds nothing rather than an infinite Kv.
    if (!factors || !std::isfinite(flow) || !std::isfinite(pressureDrop)) {
        state.vobvRows.clear();
        return;
    }
    const float baseFlow = factors->flowFactor * flow;
    const FlowCoefficient required = requiredFlowCoefficient(factors->relativeDensity, factors->flowFactor, flow,
                                                             factors->pressureFactor, pressureDrop);
    db.queryVobv(state.vobvRows, required.kv, baseFlow);

    const CandidateChoice choice =
        chooseCandidate(state.vobvRows, state.engine.modelNames[VariableOrificeKind], clicked);
    state.vobvFound = choice.found;
    state.vobvChosen = choice.chosen;
    if (!choice.chosen)
        return;

    const VobvRow& valve = state.vobvRows[*choice.chosen];
    std::vector<PresetRow> presets;
    if (db.queryPreset(presets, valve.technicalCode) == 0)
        return;
    const std::size_t position = nearestPresetting(presets.front(), required.kv);
    state.vobvPresetting = presettingAt(position, valve.presetStep, valve.presetStart);
    state.vobvKvAtSetting = presets.front().values[position];
    state.vobvOpening = state.vobvPresetting / valve.presetFullOpening;
}
