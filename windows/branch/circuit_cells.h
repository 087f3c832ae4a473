#pragma once

#include "app/app_state.h"
#include "db/branch_record.h"

#include <array>
#include <string>
#include <vector>

// The columns of the branch window's circuits table.
namespace circuit_column {
inline constexpr int kDesignation = 0;
inline constexpr int kFlow = 1;
inline constexpr int kCircuitLoss = 2;
inline constexpr int kRiserLoss = 3;
inline constexpr int kKind = 4;
inline constexpr int kCount = 5;
} // namespace circuit_column

// The valve kinds a circuit can take, in the order the table offers them.
inline constexpr std::array<BranchValveKind, 3> kCircuitKinds{
    BranchValveKind::FixedOrifice, BranchValveKind::VariableOrifice, BranchValveKind::PressureIndependent};

// A circuit's cells as the table shows them, in the units in force.
std::vector<std::u16string> circuitCells(const AppState& state, const BranchCircuit& circuit);

// Applies a cell typed into the table to its circuit. A designation is
// fitted to the valve list's field; a number is digits with a decimal comma
// or point, not negative and within single precision. False, with the
// circuit untouched, for a cell that does not read as its column's value.
bool applyCircuitCell(const AppState& state, BranchCircuit& circuit, int column, const std::u16string& cell);
