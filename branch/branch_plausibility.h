#pragma once

#include "app/app_state.h"
#include "branch/balance_branch.h"
#include "db/branch_record.h"

#include <initializer_list>
#include <string>

// A branch's figures against the plausible limits (plausible_figures.h).
// Each gives the first figure beyond them as one line naming where it is
// (the branch's place in a system, if it is in one, then the circuit's
// number from 1 and its designation), the figure and the limit; empty when
// every figure keeps to them.

// The circuits as read, in base units (l/s, kPa).
std::string implausibleCircuits(const Branch& branch, const std::string& branchPlace = {});

// The balanced circuits and the pump head, in the units in force of state.
std::string implausibleBranchResult(const AppState& state, const Branch& branch, const BranchResult& result,
                                    const std::string& branchPlace = {});

// The first line of lines that is not empty.
std::string firstLine(std::initializer_list<std::string> lines);

// Where a circuit or branch is, as the lines name it: "circuit 2 (R2)",
// "branch 1 (Nord), circuit 2 (R2)".
std::string placeOf(const std::string& within, const char* noun, std::size_t index, const std::string& name);
