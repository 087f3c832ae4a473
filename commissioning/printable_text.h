#pragma once

#include <string>
#include <string_view>

// A text as the protocol prints it: control characters, which a font draws
// as boxes, read as blanks (as in the charts); with keepLineBreaks a line
// break (LF, CR LF or CR) stays one LF, else it is a blank too.
std::u16string printableText(std::u16string_view text, bool keepLineBreaks);
