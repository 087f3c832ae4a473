#pragma once

#include <cstdint>

// The language of the user's locale for messages, as the C library picks
// the locale: the first set of LC_ALL, LC_MESSAGES and LANG ("de_AT.UTF-8",
// "sv"). One of the seven languages gives its index (0 Italian to
// 6 Russian); any other, or none, gives English.
std::uint8_t localeLanguage(const char* lcAll, const char* lcMessages, const char* lang);
