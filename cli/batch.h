#pragma once

#include "data/bounded_line.h"
#include "cli/duty.h"

#include <cstddef>
#include <iosfwd>
#include <string>

class SizeSession;

// A duty line longer than this is refused (an error line; for the header,
// the whole file), and only this much of it is ever held in memory.
inline constexpr std::size_t kMaxDutyLineBytes = kMaxLineBytes;

struct BatchReport {
    std::size_t duties = 0; // duty lines read
    std::size_t failed = 0; // of which answered with an error line
    std::string fatal;      // a file that cannot be read at all (no usable header, UTF-16); nothing was written
};

// One duty per line of a semicolon-separated UTF-8 file whose header names
// its columns among view, flow, dp, pick, flow_unit, pressure_unit, fluid.
// A missing column or an empty cell takes the command line's text. Every
// duty starts from the start-up state. Writes one result line per duty (CSV
// with a header, or one JSON object per line); a line that cannot be used
// gives an error line with its line number, and the rest go on. Messages
// that quote the file show its control characters escaped.
BatchReport runBatch(std::istream& in, std::ostream& out, SizeSession& session, const DutyTexts& commandLine,
                     const RunSettings& settings, bool json);
