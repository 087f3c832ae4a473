#pragma once

#include "app/app_state.h"
#include "branch/drop_range.h"
#include "db/branch_record.h"

class ProductDb;

// For each catalogue row of a static kind that can carry the flow (unit in
// force) at some drop, the drops (unit in force) at which the engine finds
// it: Kv between the row's kv_min and kv_max; a fixed orifice besides reading
// between dpMin and dpMax, a variable orifice covering the flow. Empty when
// no row can, or the units give no factors.
std::vector<DropRange> staticDropRanges(const AppState& engine, ProductDb& db, BranchValveKind kind, float flow);
