#pragma once

#include <string>
#include <string_view>

// The presetting, KV value and opening of the valve list, and a reading's
// setting, are kept as texts, as the window showed them. Another program
// may have stored a number there that no view can show.

// Whether the text spells such a number: "NaN", "Infinity", "-inf", or a
// number beyond single precision or too long for a field ("1e39", "1e30").
bool spellsUnshowableNumber(std::string_view stored);

// The number the text holds (decimal comma or point, 0 for none), or NaN
// for such a number.
float storedTextNumber(std::string_view stored);

// The text as the views show it: as stored, or "---" for such a number.
std::string shownValueText(const std::string& stored);
