#pragma once

#include "cli/command_line.h"
#include "db/branch_record.h"

#include <string>
#include <vector>

// A branch's settings as typed on the command line.
struct BranchSettingTexts {
    std::string minimumStaticDp = "3";
    std::string noiseLimit = "25";
    std::string fluidTemperature = "60";
    std::string velocityLimit = "1";
    std::string authorityLimit = "0,25";
    std::string name;
};

// --min-dp, --noise-limit, --fluid-temperature, --velocity-limit and
// --authority-limit; each command names what --name names.
std::vector<CommandOption> branchSettingOptions(BranchSettingTexts& texts);

// The settings from their texts, each in its range; empty on success, else
// the message.
std::string checkedBranchSettings(const BranchSettingTexts& args, BranchSettings& settings);
