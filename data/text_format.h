#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

// Fills the "%s" placeholders of a table text with the arguments, in order,
// as printf would with string arguments. Any other '%' (as in "Opening (%)")
// stays as it is. Missing arguments leave the placeholder empty.
std::u16string formatText(std::u16string_view format, std::initializer_list<std::u16string_view> arguments);

// The text of textId in a language, with its "%s" replaced by a unit label:
// a caption or a column's header.
std::u16string captionWithUnit(int language, int textId, const std::string& unit);

// UTF-8 <-> UTF-16 for texts that cross between the records (8-bit, UTF-8)
// and the windows (wide). Invalid UTF-8 bytes become U+FFFD.
std::u16string utf8ToUtf16(std::string_view text);
std::string utf16ToUtf8(std::u16string_view text);
