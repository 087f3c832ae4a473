#pragma once

#include "app/app_state.h"
#include "sizing/candidate_summary.h"
#include "sizing/selection_fields.h"

// Prepares pendingRow, the current selection as a valve-list row. The unit
// labels always follow the current units; the rest changes only when a
// valve is shown (noResult false), so an empty result keeps the last one.
void stagePendingRow(AppState& state, const SelectionFields& fields, int resultKind, const CandidateSummary* chosen,
                     bool noResult);
