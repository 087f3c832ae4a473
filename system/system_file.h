#pragma once

#include "app/app_state.h"
#include "db/system_record.h"

#include <cstddef>
#include <istream>
#include <string>

// A system of more branches, or more circuits in all, is refused: no
// building has them, and a file that grows without end must not take the
// memory. Each branch keeps the branch file's own limit.
inline constexpr std::size_t kMaxSystemBranches = 1000;
inline constexpr std::size_t kMaxSystemCircuits = 100000;

// Reads a system from a semicolon-separated UTF-8 file with a header line:
// the columns of a circuits file and a column branch naming each line's
// branch, and optionally foot, return_loss and return_pipe_length_m,
// return_pipe_inner_diameter_mm, return_pipe_roughness_mm, return_pipe_zeta.
// A line of kind main is the main's section from the previous take-off (or
// the pump) to its branch's take-off: its riser_loss (in its pressure_unit)
// or pipe section, and foot (none, fixed, variable or controller; empty is
// none); the main lines give the branches' order. Every other line is a
// circuit of its branch, in order from the branch's foot; a branch is
// reverse return when its circuits give their return sections (each one
// then, by return_loss or a return pipe). Names that differ only in case
// (Nord, NORD) are one branch, named as first spelled. Every branch takes
// the settings given, under its own name. Empty on success, else one line naming the
// line of the file; then system holds nothing usable.
std::string readSystem(std::istream& in, const AppState& state, const BranchSettings& settings,
                       HydronicSystem& system);
