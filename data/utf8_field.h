#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Texts of records and the database are UTF-8 held in fields of a fixed
// byte size. Cutting such a text must never split a character.
std::string truncateUtf8(std::string_view text, std::size_t maxBytes);

// Whether text is well-formed UTF-8: no stray or missing continuation
// bytes, no overlong forms, no surrogates, nothing beyond U+10FFFF.
bool isUtf8(std::string_view text);
