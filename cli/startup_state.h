#pragma once

#include "app/app_state.h"

class ProductDb;

// The state every start of the program sets up (model names, bounds, fluid,
// the fluids of the catalogue, units, language), in the same order, without
// the working folders and the valve list: the command line only reads the
// catalogue.
AppState startupState(ProductDb& db);
