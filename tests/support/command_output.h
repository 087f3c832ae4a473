#pragma once

#include <string>

// What a shell command prints on standard output.
std::string commandOutput(const std::string& command);
