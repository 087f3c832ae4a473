#pragma once

#include "resources/layouts/dialog_template.h"
#include "windows/common/control_model.h"

#include <optional>

// Where the keyboard focus starts when a window opens: on the first of the
// template's tab stops that is shown and enabled; nothing when none is.
std::optional<int> firstTabStop(const DialogTemplate& dialog, const ControlModel& controls);
