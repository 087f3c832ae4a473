#pragma once

#include <optional>
#include <string>

// A number the program writes into a 15-byte numeric field, with the
// decimal comma and three significant digits (formatFigure), so that a
// computed flow of 0,01198 l/s reads back as 0,0120 and not as 0,01; none
// when there is no number or its text would not fit the field, so a field
// never holds a cut number or a non-number such as "inf".
std::optional<std::string> fieldNumberText(std::optional<float> value);

// What a numeric field shows when it has no number to show.
inline constexpr char16_t kNoNumberText[] = u"---";
