#pragma once

#include "app/app_state.h"
#include "db/branch_record.h"
#include "db/usable_pipe.h"
#include "windows/common/section_cells.h"

#include <array>
#include <string>
#include <vector>

// The columns of the branch window's circuits table: the circuit, then its
// optional pipe section (which replaces the riser loss) and control valve.
namespace circuit_column {
inline constexpr int kDesignation = 0;
inline constexpr int kFlow = 1;
inline constexpr int kCircuitLoss = 2;
inline constexpr int kRiserLoss = 3;
inline constexpr int kKind = 4;
inline constexpr int kPipeLength = 5;
inline constexpr int kInnerDiameter = 6;
inline constexpr int kRoughness = 7;
inline constexpr int kZeta = 8;
inline constexpr int kControlValveKvs = 9;
inline constexpr int kCount = 10;
} // namespace circuit_column

// The valve kinds a circuit can take, in the order the table offers them.
inline constexpr std::array<BranchValveKind, 3> kCircuitKinds{
    BranchValveKind::FixedOrifice, BranchValveKind::VariableOrifice, BranchValveKind::PressureIndependent};

// A circuit's cells as the table shows them, in the units in force; the
// riser loss is empty where a pipe section gives it, and the pipe and
// control valve cells are empty where the circuit has none.
std::vector<std::u16string> circuitCells(const AppState& state, const BranchCircuit& circuit);

// Applies a cell typed into the table to its circuit. A designation is
// fitted to the valve list's field; a number is digits with a decimal comma
// or point, not negative and within single precision (a Kvs more than 0).
// The riser loss and the pipe section are a section's cells (see
// section_cells.h); an emptied Kvs drops the control valve. Anything but Applied leaves the circuit untouched.
CellEdit applyCircuitCell(const AppState& state, BranchCircuit& circuit, int column, const std::u16string& cell);
