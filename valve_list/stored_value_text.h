#pragma once

#include <string>
#include <string_view>

// The presetting, KV value and opening of the valve list, and a reading's
// setting, are kept as texts, as the window showed them. Another program
// may have stored a number there that no view can show.

// Whether the text spells such a number: "NaN", "Infinity", "-inf", or a
// number beyond single precision or too long for a field ("1e39", "1e30").
bool spellsUnshowableNumber(std::string_view stored);

// The number the whole text holds (decimal comma or point); NaN for such a
// number and for another program's word ("zz"). An empty text and the
// verdict words read as 0, as the export has always written them.
float storedTextNumber(std::string_view stored);

// The text as the views show it: as stored when it is a number a field can
// show, empty, or the verdict the program stores; else "---" (another
// program's word, such as "zz", or such a number).
std::string shownValueText(const std::string& stored);
