#pragma once

#include <functional>
#include <string>

// The files of a command that reads one file and writes results and a chart.
struct CommandFiles {
    std::string input;
    std::string outFile; // empty: the standard output
    std::string svgFile; // empty: no chart
};

// Why the input (called inputName in the message) is no file to read, or
// an output would replace it or the other; empty when all is well.
std::string checkedFiles(const CommandFiles& files, const std::string& inputName);

// Why an output would replace the input (called inputName in the message)
// or the other output, under whatever name or link it is given; empty when
// none would.
std::string clashingOutput(const CommandFiles& files, const std::string& inputName);

// The results on the standard output, or atomically into outFile; empty on
// success, else the message.
std::string writeResults(const std::string& outFile, const std::string& bytes);

// The results and, when the result is complete (incomplete is empty), the
// chart (drawn only then), the files all or none and the standard output
// after them; else the results and incomplete, naming the chart not
// written. Empty on success, else the message.
std::string writeOutputs(const CommandFiles& files, const std::string& results, const std::string& incomplete,
                         const std::function<std::string()>& chart);
