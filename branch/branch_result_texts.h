#pragma once

#include "app/app_state.h"
#include "branch/balance_branch.h"
#include "db/branch_record.h"

#include <string>
#include <vector>

// The results of a branch as texts in the language and units in force: the
// window's table, the command line and the protocol all show these.
struct BranchResultTexts {
    std::vector<std::string> keys;          // a fixed name per column, for JSON
    std::vector<std::u16string> headers;
    std::vector<std::vector<std::u16string>> rows; // one per circuit
    std::u16string pumpHeadCaption;         // "Pump head (kPa)"
    std::u16string pumpHeadValue;           // "35,00"
    std::u16string totalFlowCaption;        // "Total flow (l/s)": the pump's flow
    std::u16string totalFlowValue;
    std::u16string indexCaption;            // "Index circuit"
    std::u16string indexValue;              // "3 P3": number and designation
    std::size_t indexRow = 0;
    // The line that says the head is not valid, naming the circuits no
    // valve of their kind carries (or that pipe sections need water);
    // empty otherwise.
    std::u16string incomplete;
};

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

// A caption with its "%s" replaced by a unit label.
std::u16string captionWithUnit(int language, int textId, const std::string& unit);
