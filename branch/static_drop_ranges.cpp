#include "branch/static_drop_ranges.h"

#include "db/product_db.h"
#include "sizing/flow_coefficient.h"
#include "sizing/hydraulic_factors.h"
#include "sizing/single_precision.h"

#include <limits>

namespace {

// The drop at which K / sqrt(pressureFactor x drop) is kv; no bound for 0.
float dropAt(float k, float kv, float pressureFactor)
{
    if (!(kv > 0.0f))
        return std::numeric_limits<float>::infinity();
    const float ratio = k / kv;
    return ratio * ratio / pressureFactor;
}

template <typename Row, typename Carries>
std::vector<DropRange> rangesOf(const std::vector<Row>& rows, float k, float pressureFactor, Carries carries)
{
    std::vector<DropRange> ranges;
    for (const Row& row : rows)
        if (carries(row))
            ranges.push_back({dropAt(k, row.kvMax, pressureFactor), dropAt(k, row.kvMin, pressureFactor)});
    return ranges;
}

} // namespace

StaticValveRows staticValveRows(ProductDb& db)
{
    StaticValveRows rows;
    db.queryFobvAll(rows.fixedOrifice);
    db.queryVobvAll(rows.variableOrifice);
    return rows;
}

std::vector<DropRange> staticDropRanges(const AppState& state, const StaticValveRows& rows, BranchValveKind kind,
                                        float flow)
{
    const std::optional<HydraulicFactors> factors = hydraulicFactors(state);
    if (!factors)
        return {};
    const float k =
        requiredFlowCoefficient(factors->relativeDensity, factors->flowFactor, flow, factors->pressureFactor, 1.0f).k;
    if (kind == BranchValveKind::FixedOrifice) {
        const float kvsLow = k / singleSqrt(state.engine.dpMax);
        const float kvsHigh = k / singleSqrt(state.engine.dpMin);
        return rangesOf(rows.fixedOrifice, k, factors->pressureFactor,
                        [&](const FobvRow& row) { return row.kvs >= kvsLow && row.kvs <= kvsHigh; });
    }
    const float litresPerSecond = factors->flowFactor * flow;
    return rangesOf(rows.variableOrifice, k, factors->pressureFactor, [&](const VobvRow& row) {
        return row.qMin <= litresPerSecond && row.qMax >= litresPerSecond;
    });
}
