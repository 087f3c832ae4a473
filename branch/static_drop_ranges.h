#pragma once

#include "app/app_state.h"
#include "branch/drop_range.h"
#include "db/branch_record.h"

#include <vector>

class ProductDb;

// Every static valve of the catalogue, read once for a whole branch.
struct StaticValveRows {
    std::vector<FobvRow> fixedOrifice;
    std::vector<VobvRow> variableOrifice;
};

StaticValveRows staticValveRows(ProductDb& db);

// For each row of a static kind that can carry the flow (unit in force) at
// some drop, the drops (unit in force) at which the engine finds it: Kv
// between the row's kv_min and kv_max; a fixed orifice besides reading
// between dpMin and dpMax, a variable orifice covering the flow. Empty when
// no row can, or the units give no factors.
std::vector<DropRange> staticDropRanges(const AppState& state, const StaticValveRows& rows, BranchValveKind kind,
                                        float flow);
