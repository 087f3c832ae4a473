#pragma once

#include "db/project_row.h"

#include <vector>

// Valve-list rows as the program makes them, one of each kind of selection:
// fixed orifice, variable orifice with a flow calculation (glycol 20 %),
// pressure-independent sizing, differential pressure controller (no
// presetting, KV value or opening), and the two outcomes of a
// pressure-independent commissioning check ("OK", "KO").
std::vector<ProjectRow> rowsOfEachKind();
