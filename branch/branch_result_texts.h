#pragma once

#include "app/app_state.h"
#include "branch/balance_texts.h"
#include "branch/balance_branch.h"
#include "db/branch_record.h"

#include <string>
#include <vector>

// The results of a branch as texts: a row per circuit.
using BranchResultTexts = BalanceTexts;

// The columns every branch has, as the window shows them.
BranchResultTexts branchResultTexts(const AppState& state, const Branch& branch, const BranchResult& result);

// Those and, where the branch has them, the pipe sections' flow, velocity and
// loss and the control valves' drop and authority.
BranchResultTexts branchDesignTexts(const AppState& state, const Branch& branch, const BranchResult& result);

// One warning of a circuit, in the language in force.
std::u16string warningText(const AppState& state, BranchWarning warning, const BranchSettings& settings,
                           const BranchValve& valve);

// The family name of a valve kind (the same in every language).
std::u16string valveKindName(int language, BranchValveKind kind);
