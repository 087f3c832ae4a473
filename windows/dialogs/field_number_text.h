#pragma once

#include <optional>
#include <string>

// A number for a 15-byte numeric field, with the decimal comma; none when
// there is no number or its text would not fit the field, so a field never
// holds a cut number or a non-number such as "inf".
std::optional<std::string> fieldNumberText(std::optional<float> value);

// What a numeric field shows when it has no number to show.
inline constexpr char16_t kNoNumberText[] = u"---";
