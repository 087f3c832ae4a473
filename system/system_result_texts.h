#pragma once

#include "app/app_state.h"
#include "db/system_record.h"
#include "system/balance_system.h"

#include <string>
#include <vector>

// The results of a system as texts in the language and units in force: one
// row per branch, and the duty point. The command line, the window and the
// protocol show these.
struct SystemResultTexts {
    std::vector<std::string> keys; // a fixed name per column, for JSON
    std::vector<std::u16string> headers;
    std::vector<std::vector<std::u16string>> rows; // one per branch
    std::u16string plantLossCaption;
    std::u16string plantLossValue;
    std::u16string pumpHeadCaption;
    std::u16string pumpHeadValue;
    std::u16string totalFlowCaption;
    std::u16string totalFlowValue;
    std::u16string indexCaption; // "Index branch"
    std::u16string indexValue;   // "2 B": number and name
    std::size_t indexRow = 0;
    // The line that says the head is not valid, naming the branches that
    // lack a foot device or a valve; empty otherwise.
    std::u16string incomplete;
};

SystemResultTexts systemResultTexts(const AppState& state, const HydronicSystem& system, const SystemResult& result);

// One warning of a branch, in the language in force.
std::u16string systemWarningText(const AppState& state, SystemWarning warning, const SystemSettings& settings,
                                 const SystemBranchResult& branch);

// What stands at a branch's foot: its family's name, or "None".
std::u16string footDeviceName(int language, FootDevice device);
