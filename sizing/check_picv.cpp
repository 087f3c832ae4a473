#include "sizing/result_kind.h"
#include "sizing/scale_position.h"
#include "sizing/valve_families.h"

#include "app/unit_conversion.h"
#include "db/product_db.h"
#include "sizing/scale_position.h"

#include <cmath>
#include <optional>

void checkPicv(AppState& state, ProductDb& db, float measuredPressure, float presetting, ChosenRow clicked)
{
    state.picvCheckFound = 0;
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
    std::vector<StartupRow> startup;
    const int rows = db.queryStartup(startup, valve.technicalCode, valve.model);
    const std::optional<std::size_t> position =
        rows > 0 ? scalePosition(presetting, valve.presetStart, valve.presetStep, kStartupPositions) : std::nullopt;

    state.picvCheckFound = 1;
    if (!position) {
        state.picvCheckResult = 0.0f;
        state.picvCheckRow.reset();
        state.picvCheckNoData = 1;
        return;
    }
    // Several rows of data: the first one counts. Equal to the minimum is
    // not enough.
    const float minimum = startup.front().values[*position];
    state.picvCheckNoData = 0;
    state.picvCheckRow = clicked;
    state.picvCheckResult = basePressure > minimum ? kPressureSufficient : kPressureInsufficient;
}
