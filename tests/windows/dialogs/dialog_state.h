#pragma once

#include "app/app_state.h"
#include "windows/common/window_logic.h"

#include <string>

inline constexpr std::uint8_t kEnglish = 1;
inline constexpr std::uint8_t kGerman = 3;

// The state a run starts with (German, l/s, mbar, kW, degrees Celsius, the
// default models and dP window), here in any language, with six fluids; the
// first is the water of the worked examples, specific heat 4000 and density
// 1050.
AppState startupState(std::uint8_t language = kGerman);

// What a view does when the user edits a field or picks a list entry.
void typeInto(WindowLogic& window, int fieldId, std::u16string text);
void pick(WindowLogic& window, int listId, int index);

// The shown text of a control, or the picked entry of a list ("" for none).
std::u16string shown(const WindowLogic& window, int controlId);
std::u16string picked(const WindowLogic& window, int listId);
