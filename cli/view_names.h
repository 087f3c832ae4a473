#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// The valve views the command line can calculate, by name (in any case).
std::optional<std::int32_t> viewOfName(std::string_view name);
// The name of a view as help spells it; empty for a view without one.
std::string nameOfView(std::int32_t view);
// The commissioning views calculate only for a clicked candidate row.
bool viewNeedsPick(std::int32_t view);
// "fixed, fixed-check, ..." for messages and help.
std::string viewNameList();
