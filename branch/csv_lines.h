#pragma once

#include "branch/circuit_row.h"

#include <cstddef>
#include <functional>
#include <istream>
#include <string>
#include <vector>

// Reads a semicolon-separated UTF-8 file with a header line (a byte-order
// mark before it is dropped) whose columns must be the required ones and
// may be the optional ones, and hands every line that is not blank to
// eachLine with its number. Lines longer than kMaxLineBytes (lineName says
// what such a line is) or with more cells than the header stop the reading.
// Empty on success, else one line naming the line of the file.
std::string readCsvLines(std::istream& in, const std::vector<const char*>& required,
                         const std::vector<const char*>& optional, const std::string& lineName,
                         const std::function<std::string(const CsvLine& line, std::size_t lineNumber)>& eachLine);
