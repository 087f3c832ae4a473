#pragma once

#include <string>
#include <variant>
#include <vector>

// One option of a command: a text kept as typed, or a flag; an argument in
// its place when its name has no leading dash.
struct CommandOption {
    std::string name;
    std::variant<std::string*, bool*> value;
    std::string help;
    bool required = false;
};

// A command's line: what --help shows above, in and below its options.
struct CommandLine {
    std::string description;
    std::string name;
    std::string footer;
    std::vector<CommandOption> options;
};

// How parsing ended: with the help printed (the command ends with its
// status), with the parser's message (the arguments are wrong), or with
// every option's value set (neither).
struct ParsedCommandLine {
    bool helped = false;
    int status = 0;
    std::string error;
};

// Parses the arguments into the options' values. This file alone includes
// the parser's header, which takes seconds to compile in every file that
// includes it.
ParsedCommandLine parseCommandLine(const CommandLine& line, int argc, char** argv);
