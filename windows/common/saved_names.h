#pragma once

#include "windows/common/control_model.h"

#include <optional>
#include <string>
#include <vector>

// The lists of things saved under a name (branches, systems) as the windows
// show them: a drop-down list of the names, the one open picked.

// "stem N" with the least N no saved name takes.
std::string freeDefaultName(const std::vector<std::string>& names, const std::string& stem);

// Fills the list with the names; the open one is picked, else the first.
void showSavedNames(ControlState& list, const std::vector<std::string>& names, const std::optional<std::string>& open);

// The name picked in the list; none when nothing is.
std::optional<std::string> pickedName(const ControlState& list);
