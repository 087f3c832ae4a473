#include "sizing/choose_candidate.h"
#include "sizing/nearest_presetting.h"
#include "sizing/valve_families.h"

#include "app/unit_conversion.h"
#include "db/product_db.h"

#include <cmath>

namespace {

// Minimum differential pressure at a position, in kPa; only when exactly one
// row of data belongs to the valve and the position has a value.
float minimumPressureAt(ProductDb& db, const PicvRow& valve, std::size_t position)
{
    std::vector<StartupRow> startup;
    if (db.queryStartup(startup, valve.technicalCode, valve.model) != 1 || position >= kStartupPositions)
        return 0.0f;
    return startup.front().values[position];
}

} // namespace

void selectPicv(AppState& state, ProductDb& db, float flow, ChosenRow clicked)
{
    state.picvFound = 0;
    state.picvChosen.reset();
    // The preset curve is in l/s: without a flow factor (a mass unit with no
    // usable density) or an infinite flow nothing can be compared, so nothing
    // is found.
    const std::optional<float> flowFactor = effectiveFlowFactor(state);
    if (!flowFactor || !std::isfinite(flow)) {
        state.picvRows.clear();
        return;
    }
    const float baseFlow = *flowFactor * flow;
    db.queryPicvByFlow(state.picvRows, baseFlow);

    const CandidateChoice choice =
        chooseCandidate(state.picvRows, state.engine.modelNames[PressureIndependentKind], clicked);
    state.picvFound = choice.found;
    state.picvChosen = choice.chosen;
    if (!choice.chosen)
        return;

    const PicvRow& valve = state.picvRows[*choice.chosen];
    std::vector<PresetRow> presets;
    if (db.queryPreset(presets, valve.technicalCode) == 0)
        return;
    const std::size_t position = nearestPresetting(presets.front(), baseFlow);
    state.picvPresetting = presettingAt(position, valve.presetStep, valve.presetStart);
    state.picvFlowAtSetting = presets.front().values[position] / *flowFactor;
    state.picvDpMin = minimumPressureAt(db, valve, position) / pressureFactor(state);
}
