#pragma once

#include <string>
#include <string_view>

// Text from a file or the command line made safe to show on a terminal:
// control characters (C0, DEL and the C1 range, which terminals read as
// escape sequences) become "\x1b" or "\u009b", and a byte that is no valid
// UTF-8 becomes "\xff". Everything else, accented letters included, stays.
std::string printableText(std::string_view text);
