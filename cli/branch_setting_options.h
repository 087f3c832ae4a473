#pragma once

#include "db/branch_record.h"

#include <CLI/CLI.hpp>

#include <string>

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
void declareBranchSettingOptions(CLI::App& app, BranchSettingTexts& texts);

// The settings from their texts, each in its range; empty on success, else
// the message.
std::string checkedBranchSettings(const BranchSettingTexts& args, BranchSettings& settings);
