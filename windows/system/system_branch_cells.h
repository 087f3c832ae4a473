#pragma once

#include "app/app_state.h"
#include "db/system_store.h"
#include "windows/common/section_cells.h"

#include <array>
#include <string>
#include <vector>

// The columns of the system window's table: per row a saved branch, its
// foot device and the main's section from the previous take-off to it,
// a typed loss or a pipe.
namespace system_column {
inline constexpr int kBranch = 0;
inline constexpr int kFoot = 1;
inline constexpr int kSectionLoss = 2;
inline constexpr int kPipeLength = 3;
inline constexpr int kInnerDiameter = 4;
inline constexpr int kRoughness = 5;
inline constexpr int kZeta = 6;
inline constexpr int kCount = 7;
} // namespace system_column

// The foot devices a branch can take, in the order the table offers them.
inline constexpr std::array<FootDevice, 4> kFootDevices{FootDevice::None, FootDevice::FixedOrificeValve,
                                                        FootDevice::VariableOrificeValve, FootDevice::Controller};

// A branch's cells as the table shows them, in the units in force; the
// section loss is empty where a pipe gives it, the pipe cells empty
// where the section has none.
std::vector<std::u16string> systemBranchCells(const AppState& state, const SavedSystemBranch& branch);

// Applies a cell typed into the table to its branch: a branch's name must
// be one of `savedBranches` (else NotRead); the main's section loss and pipe
// are a section's cells (see section_cells.h). Anything but Applied leaves
// the branch untouched.
CellEdit applySystemBranchCell(const AppState& state, SavedSystemBranch& branch, int column,
                                     const std::u16string& cell, const std::vector<std::string>& savedBranches);
