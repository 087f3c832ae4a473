#include "sizing/valve_families.h"

#include "app/unit_conversion.h"
#include "db/product_db.h"
#include "sizing/scale_position.h"

#include <cmath>

std::optional<float> picvFlowAtPresetting(const AppState& state, ProductDb& db, std::size_t valve, float presetting)
{
    if (valve >= state.picvAllRows.size() || !std::isfinite(presetting))
        return std::nullopt;
    const PicvRow& row = state.picvAllRows[valve];
    std::vector<PresetRow> curve;
    if (db.queryPreset(curve, row.technicalCode) < 1)
        return std::nullopt;
    const auto position = scalePosition(presetting, row.presetStart, row.presetStep, kPresetPositions);
    if (!position)
        return std::nullopt;
    const auto flow = flowFromBase(state, curve.front().values[*position]);
    if (!flow || !std::isfinite(*flow))
        return std::nullopt;
    return flow;
}
