#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// The valve views the command line can calculate, by name.
std::optional<std::int32_t> viewOfName(std::string_view name);
// "fixed, fixed-check, ..." for messages and help.
std::string viewNameList();
