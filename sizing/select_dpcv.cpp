#include "sizing/choose_candidate.h"
#include "sizing/valve_families.h"

#include "app/unit_conversion.h"
#include "db/product_db.h"

#include <cmath>

void selectDpcv(AppState& state, ProductDb& db, float flow, float branchPressureDrop, ChosenRow clicked)
{
    state.dpcvFound = 0;
    state.dpcvChosen.reset();
    const std::optional<float> flowFactor = effectiveFlowFactor(state);
    // A mass unit without usable density, or a number beyond the float
    // range: nothing found.
    if (!flowFactor || !std::isfinite(flow) || !std::isfinite(branchPressureDrop)) {
        state.dpcvRows.clear();
        return;
    }
    const float baseFlow = *flowFactor * flow;
    const float basePressure = pressureFactor(state) * branchPressureDrop;
    db.queryDpcv(state.dpcvRows, baseFlow, basePressure);

    const CandidateChoice choice = chooseCandidate(state.dpcvRows, state.engine.modelNames[DpControllerKind], clicked);
    state.dpcvFound = choice.found;
    state.dpcvChosen = choice.chosen;
}
