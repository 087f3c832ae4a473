#pragma once

#include <string>
#include <string_view>

// The designation field takes no more than a stored designation can hold
// (127 bytes of UTF-8): the typed text cut at the last whole character that
// fits. A text that fits comes back unchanged.
std::string fittedDesignation(std::string_view typed);

// Whether the field takes a keystroke that would leave it with this text:
// not when the designation would grow beyond 127 bytes, so that the text
// and the caret stay as they were.
bool designationFits(std::u16string_view typed);

// A new valve's designation as it is checked and stored: without the blanks
// at its ends, so that "HK 1.03 Flur " is the existing "HK 1.03 Flur".
std::string trimmedDesignation(std::string_view typed);
