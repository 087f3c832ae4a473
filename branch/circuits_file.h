#pragma once

#include "app/app_state.h"
#include "db/branch_record.h"

#include <cstddef>
#include <istream>
#include <string>

// A branch of more circuits is refused: no riser has them, and a file that
// grows without end must not take the memory.
inline constexpr std::size_t kMaxBranchCircuits = 10000;

// Reads the circuits of a branch from a semicolon-separated UTF-8 file with
// a header line naming its columns: designation, flow, flow_unit,
// circuit_loss, pressure_unit, kind (fixed, variable or picv), and
// optionally riser_loss, power, power_unit, supply, return, pipe_length_m,
// pipe_inner_diameter_mm, pipe_roughness_mm, pipe_zeta, control_valve_kvs.
// Each row has either a riser_loss or a pipe section (length and diameter;
// roughness 0.045 mm and no fittings unless given). A row without a flow
// takes it from its power and temperatures, through the program's flow
// calculation with the fluid of state. An empty unit cell means the unit in
// force in state; temperatures are in the unit in force. Header names, unit
// labels and kinds match in any case; cells are trimmed. The circuits come
// out in base units (l/s, kPa). Empty on success, else one line naming the
// line of the file; then branch holds nothing usable. A line longer than
// kMaxLineBytes stops the reading at once.
std::string readBranchCircuits(std::istream& in, const AppState& state, Branch& branch);

// The circuits of a branch as a file readBranchCircuits reads back to the
// same circuits: flows in l/s, losses in kPa, numbers with a decimal comma
// and as many digits as single precision needs, a pipe section's four
// columns or the riser loss, the control valve's Kvs where there is one.
// A circuit's heat load is not written: its flow stands for it.
std::string branchCircuitsFile(const Branch& branch);
