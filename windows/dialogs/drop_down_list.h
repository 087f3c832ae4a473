#pragma once

#include "windows/common/control_model.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

// Drop-down lists offer their entries only (no edit part), so a picked
// entry always names one of them; an index the list does not hold shows no
// selection and counts as nothing picked.

void fillDropDownList(ControlState& list, std::vector<std::u16string> entries, std::optional<std::size_t> selected);

// The picked entry's position, if the list has one picked.
std::optional<std::size_t> pickedEntry(const ControlState& list);
