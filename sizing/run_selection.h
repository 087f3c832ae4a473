#pragma once

#include "app/app_state.h"
#include "sizing/results_panel.h"
#include "sizing/selection_fields.h"

#include <cstdint>

class ProductDb;

// The one entry point of a calculation: reads the input texts of the
// current valve view, runs that view's family calculation with the clicked
// candidate row, copies the results into fields.results and refreshes the
// panel: result values, valve details, the pending valve-list row, then the
// candidate list. Views without a calculation (0, 2, 6, 7) change nothing.
void runSelection(AppState& state, ProductDb& db, SelectionFields& fields, ResultsPanel& panel);

// The row the last calculation of a view chose, as an index into that
// view's candidate rows (none in views without a calculation).
ChosenRow chosenRowOfView(const AppState& state, std::int32_t valveView);
