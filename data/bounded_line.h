#pragma once

#include <cstddef>
#include <iosfwd>
#include <string>

// A line of a semicolon-separated input file longer than this is refused,
// and only this much of it is ever held in memory.
inline constexpr std::size_t kMaxLineBytes = 4096;

enum class LineRead { Line, TooLong, End };

// One line without its line end (LF or CRLF), holding at most kMaxLineBytes.
// Of a longer line the rest is read past and dropped when dropRest is set,
// so that reading goes on at the next line; else reading stops there, so
// that an endless line (a device, a pipe) is never read to its end.
LineRead readBoundedLine(std::istream& in, std::string& line, bool dropRest);
