#include "sizing/presetting_curve.h"

#include "app/unit_conversion.h"
#include "db/product_db.h"
#include "sizing/nearest_presetting.h"

#include <utility>

namespace {

constexpr std::int32_t kFixedOrificeView = 3;
constexpr std::int32_t kVariableOrificeView = 5;
constexpr std::int32_t kPressureIndependentView = 8;

// The chosen valve's identity and scale, and the point its calculation settled on.
struct ChosenScale {
    PresettingCurve curve;
    float step = 0.0f;
    float start = 0.0f;
    float divisor = 1.0f;
};

template <typename Row>
std::optional<ChosenScale> chosenScale(const std::vector<Row>& rows, const ChosenRow& chosen, CurvePoint operatingPoint,
                                       float divisor = 1.0f)
{
    if (!chosen || *chosen >= rows.size())
        return std::nullopt;
    const Row& valve = rows[*chosen];
    ChosenScale scale;
    scale.curve.model = valve.model;
    scale.curve.nominalSize = valve.nominalSize;
    scale.curve.technicalCode = valve.technicalCode;
    scale.curve.operatingPoint = operatingPoint;
    scale.step = valve.presetStep;
    scale.start = valve.presetStart;
    scale.divisor = divisor;
    return scale;
}

std::optional<ChosenScale> chosenScaleOfView(const AppState& state, std::int32_t valveView)
{
    switch (valveView) {
    case kFixedOrificeView:
        return chosenScale(state.fobvRows, state.fobvChosen, {state.fobvPresetting, state.fobvKvAtSetting});
    case kVariableOrificeView:
        return chosenScale(state.vobvRows, state.vobvChosen, {state.vobvPresetting, state.vobvKvAtSetting});
    case kPressureIndependentView: {
        // The stored flows are in l/s; the window shows them in the user's unit.
        const std::optional<float> flowFactor = effectiveFlowFactor(state);
        if (!flowFactor)
            return std::nullopt;
        auto scale = chosenScale(state.picvRows, state.picvChosen, {state.picvPresetting, state.picvFlowAtSetting},
                                 *flowFactor);
        if (scale)
            scale->curve.flowCurve = true;
        return scale;
    }
    default: return std::nullopt;
    }
}

} // namespace

std::vector<CurvePoint> curvePoints(const PresetRow& preset, float step, float start, float valueDivisor)
{
    std::size_t count = preset.values.size();
    while (count > 0 && preset.values[count - 1] == 0.0f)
        --count;
    std::vector<CurvePoint> points;
    points.reserve(count);
    for (std::size_t i = 0; i < count; ++i)
        points.push_back({presettingAt(i, step, start), preset.values[i] / valueDivisor});
    return points;
}

std::optional<PresettingCurve> presettingCurve(const AppState& state, ProductDb& db, std::int32_t valveView)
{
    std::optional<ChosenScale> scale = chosenScaleOfView(state, valveView);
    if (!scale)
        return std::nullopt;
    std::vector<PresetRow> presets;
    if (db.queryPreset(presets, scale->curve.technicalCode) == 0)
        return std::nullopt;
    scale->curve.points = curvePoints(presets.front(), scale->step, scale->start, scale->divisor);
    if (scale->curve.points.empty())
        return std::nullopt;
    return std::move(scale->curve);
}
