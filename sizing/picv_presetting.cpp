#include "sizing/valve_families.h"

#include "app/unit_conversion.h"
#include "db/product_db.h"
#include "sizing/scale_position.h"

#include <cmath>

PresettingScale picvScale(const PicvRow& valve) { return {valve.presetStart, valve.presetFull, valve.presetStep}; }

std::optional<float> picvMinimumPressure(ProductDb& db, const PicvRow& valve, double point)
{
    std::vector<StartupRow> startup;
    if (db.queryStartup(startup, valve.technicalCode, valve.model) < 1)
        return std::nullopt;
    // Several rows of data: the first one counts. A position the table
    // leaves empty reads as 0, which no regulator needs: no data.
    const auto& values = startup.front().values;
    const auto minimum = curveValueAt(values, point);
    if (!minimum || !(values[static_cast<std::size_t>(std::floor(point))] > 0.0f) ||
        !(values[static_cast<std::size_t>(std::ceil(point))] > 0.0f))
        return std::nullopt;
    return static_cast<float>(*minimum);
}

std::optional<float> picvFlowAtPresetting(const AppState& state, ProductDb& db, std::size_t valve, float presetting)
{
    if (valve >= state.picvAllRows.size())
        return std::nullopt;
    const PicvRow& row = state.picvAllRows[valve];
    std::vector<PresetRow> curve;
    if (db.queryPreset(curve, row.technicalCode) < 1)
        return std::nullopt;
    const auto point = scalePoint(presetting, picvScale(row), kPresetPositions);
    const auto baseFlow = point ? curveValueAt(curve.front().values, *point) : std::nullopt;
    if (!baseFlow)
        return std::nullopt;
    const auto flow = flowFromBase(state, static_cast<float>(*baseFlow));
    if (!flow || !std::isfinite(*flow))
        return std::nullopt;
    return flow;
}
