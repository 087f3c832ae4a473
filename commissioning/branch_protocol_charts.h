#pragma once

#include "app/app_state.h"

#include <string>
#include <vector>

class ProductDb;

// The charts of the saved systems and then of the saved branches that have a
// valve in the valve list (a circuit's designation among the list's),
// balanced afresh with the units, fluid and models in force, each kind in
// the order of their names: the pages the commissioning protocol prints
// after its table, a system's chart and duty point before the branch pages.
std::vector<std::string> branchChartsOfValveList(const AppState& state, ProductDb& db);
