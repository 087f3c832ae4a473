#include "sizing/result_kind.h"
#include "sizing/scale_position.h"
#include "sizing/valve_families.h"

#include "app/unit_conversion.h"
#include "db/product_db.h"

#include <cmath>
#include <optional>

void checkPicv(AppState& state, ProductDb& db, float measuredPressure, float presetting, ChosenRow clicked)
{
    state.picvCheckFound = 0;
    state.picvCheckOffScale.reset();
    if (!clicked || *clicked >= state.picvAllRows.size()) {
        state.picvCheckRow.reset();
        db.queryPicvAll(state.picvAllRows);
        return;
    }
    // An infinite pressure is no measurement, and would read as sufficient.
    if (!std::isfinite(measuredPressure) || !std::isfinite(presetting)) {
        state.picvCheckRow.reset();
        return;
    }
    const PicvRow& valve = state.picvAllRows[*clicked];
    const float basePressure = pressureFactor(state) * measuredPressure;
    // A presetting the valve does not have is refused with its scale; one
    // between two positions takes the minimum interpolated between them.
    const PresettingScale scale = picvScale(valve);
    const std::optional<double> point = scalePoint(presetting, scale, kStartupPositions);
    if (!point)
        state.picvCheckOffScale = PresettingScale{scale.start, scaleEnd(scale, kStartupPositions), scale.step};
    const std::optional<float> minimum = point ? picvMinimumPressure(db, valve, *point) : std::nullopt;

    state.picvCheckFound = 1;
    if (!minimum) {
        state.picvCheckResult = 0.0f;
        state.picvCheckRow.reset();
        state.picvCheckNoData = 1;
        return;
    }
    // Equal to the minimum is not enough.
    state.picvCheckNoData = 0;
    state.picvCheckRow = clicked;
    state.picvCheckResult = basePressure > *minimum ? kPressureSufficient : kPressureInsufficient;
}
