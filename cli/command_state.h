#pragma once

#include "app/app_state.h"
#include "cli/command_line.h"
#include "cli/duty.h"

#include <string>
#include <vector>

class ProductDb;

// What every results command takes to start: the units, the language and
// the catalogue as typed.
struct CommandSetting {
    DutyTexts units{"fixed"};
    RunSettingTexts settings;
    std::string database; // empty: search the usual places
};

// Opens the catalogue (the given one, else the first of the usual places)
// read-only and starts the program on it in the units and language asked
// for (else the locale's); empty on success, else the message.
std::string commandState(const CommandSetting& args, ProductDb& db, AppState& state);

// --db, --flow-unit, --pressure-unit, --fluid and --language.
std::vector<CommandOption> commandSettingOptions(CommandSetting& setting);
