#pragma once

#include "app/app_state.h"
#include "branch/balance_texts.h"
#include "db/system_record.h"
#include "system/balance_system.h"

#include <string>
#include <vector>

// The results of a system as texts in the language and units in force: one
// row per branch, and the duty point. The command line, the window and the
// protocol show these.
struct SystemResultTexts : BalanceTexts {
    std::u16string plantLossCaption;
    std::u16string plantLossValue;
    float plantLoss = 0.0f;
};

SystemResultTexts systemResultTexts(const AppState& state, const HydronicSystem& system, const SystemResult& result);

// One warning of a branch, in the language in force.
std::u16string systemWarningText(const AppState& state, SystemWarning warning, const SystemSettings& settings,
                                 const SystemBranchResult& branch);

// What stands at a branch's foot: its family's name, or "None".
std::u16string footDeviceName(int language, FootDevice device);
