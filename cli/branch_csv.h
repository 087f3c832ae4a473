#pragma once

#include "app/app_state.h"
#include "db/branch_record.h"

#include <istream>
#include <string>

// Reads the circuits of a branch from a semicolon-separated UTF-8 file with
// a header line naming its columns: designation, flow, flow_unit,
// circuit_loss, riser_loss, pressure_unit, kind (fixed, variable or picv),
// and optionally power, power_unit, supply, return. A row without a flow
// takes it from its power and temperatures, through the program's flow
// calculation with the fluid of state. An empty unit cell means the unit in
// force in state; temperatures are in the unit in force. The circuits come
// out in base units (l/s, kPa). Empty on success, else one line naming the
// line of the file; then branch holds nothing usable.
std::string readBranchCircuits(std::istream& in, const AppState& state, Branch& branch);
