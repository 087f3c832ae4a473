#pragma once

#include "windows/common/control_model.h"

#include <string>

// The change notification of a numeric input field: the typed text (its
// first 15 bytes) passes the numeric filter against the stored text; when
// the field must be re-set, it shows the stored text again and asks for the
// focus with the caret after the last character.
void numericFieldChanged(ControlModel& controls, int fieldId, std::string& stored);

// A numeric field takes no more characters than its text can hold.
void limitToNumericText(ControlState& field);
