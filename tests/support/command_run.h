#pragma once

#include <filesystem>
#include <string>

// A shell command's exit status and what it printed on either stream.
struct CommandRun {
    int status = -1;
    std::string out;
    std::string err;
};

// Runs the command in the folder; its standard error goes through errFile.
CommandRun runCommandIn(const std::filesystem::path& where, const std::string& command,
                        const std::filesystem::path& errFile);
