#pragma once

#include <cstddef>
#include <sstream>
#include <string>

// Small pieces of the SVG pictures the program writes.

// Text with the XML special characters escaped, and the control characters
// that XML does not allow (a line break in a designation among them) read
// as blanks, so that a name from the database never spoils the file.
std::string svgEscaped(const std::string& text);

// The text cut to at most maxCharacters characters (not bytes), its last
// one then an ellipsis, so that a long name keeps to the room it is given.
std::string shortenedText(const std::string& text, std::size_t maxCharacters);

// A coordinate with two decimals and a decimal point.
std::string svgCoordinate(double value);

// A tick value with as many decimals as its step needs, with a decimal comma.
std::string svgTickText(double value, double step);

// <text> at (x, y) with an anchor ("start", "middle", "end") and further
// attributes (each with its leading blank).
void appendSvgText(std::ostringstream& out, double x, double y, const char* anchor, const std::string& text,
                   const std::string& extra = {});
