#pragma once

#include "app/app_state.h"
#include "cli/command_files.h"
#include "cli/command_line.h"
#include "cli/command_state.h"

#include <nlohmann/json.hpp>

#include <functional>
#include <istream>
#include <string>

class ProductDb;

// What every balance command reads from its line besides its own settings:
// its files, the form of its results, the units, language and catalogue.
struct BalanceArguments {
    CommandFiles files;
    bool json = false;
    bool csv = false;
    CommandSetting setting;
};

// A balanced result in each form a command writes it, each drawn only when
// asked for.
struct BalancedOutputs {
    std::string implausible; // the figure of the result beyond belief; empty when there is none
    std::string incomplete;  // why no pump head is given; empty when the result is complete
    std::function<nlohmann::ordered_json()> json;
    std::function<std::string()> table;   // semicolon-separated lines
    std::function<std::string()> aligned; // aligned tables for the terminal
    std::function<std::string()> chart;   // SVG
};

// What a balance command does its own way; runBalanceCommand takes the
// steps around it, the same for each such command. The callables come in
// the order they are called.
struct BalanceCommand {
    std::string word;         // the command's word after arvelo-size: "branch"
    std::string fileNoun;     // what its input is called in messages: "circuits file"
    std::string pipesInstead; // what a file gives in place of pipe sections for a fluid other than water
    CommandLine line;         // its options, which set arguments and the command's own texts
    const BalanceArguments& arguments;
    // The settings from their texts, each in its range; empty or the message.
    std::function<std::string()> checkedSettings;
    // Reads the input into the command's record; empty or the message.
    std::function<std::string(std::istream& in, const AppState& state)> read;
    // The figure of the record read beyond belief; empty when there is none.
    std::function<std::string()> implausible;
    // Whether the record has a pipe section, and the water temperature it
    // is computed at.
    std::function<bool()> hasPipes;
    std::function<float()> fluidTemperature;
    std::function<BalancedOutputs(const AppState& state, ProductDb& db)> balance;
};

// Parses the line; checks the settings, then the files; opens the catalogue;
// reads the input and refuses it, or the result, for a figure beyond
// belief; balances the input; writes the results (JSON with --json, the
// semicolon-separated lines with --out or --csv, else the aligned tables)
// and, when the result is complete, the chart. A fault ends it with one line
// "arvelo-size WORD: message", quoted safely. Returns the exit status.
int runBalanceCommand(const BalanceCommand& command, int argc, char** argv);
