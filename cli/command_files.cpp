#include "cli/command_files.h"

#include "cli/same_file.h"
#include "files/write_file_atomically.h"

#include <iostream>
#include <utility>

std::string clashingOutput(const CommandFiles& files, const std::string& inputName)
{
    for (const auto& [option, name] : {std::pair{"--out", &files.outFile}, {"--svg", &files.svgFile}})
        if (!name->empty() && isSameFile(files.input, *name))
            return std::string(option) + " " + *name + " is the " + inputName + " itself; the results would replace it";
    if (!files.outFile.empty() && !files.svgFile.empty() && isSameFile(files.outFile, files.svgFile))
        return "--out and --svg name the same file " + files.outFile + "; the chart would replace the results";
    return {};
}

std::string writeResults(const std::string& outFile, const std::string& bytes)
{
    if (outFile.empty()) {
        std::cout << bytes;
        std::cout.flush();
        return std::cout ? std::string() : "writing the results failed";
    }
    if (const auto failure = writeFileAtomically(outFile, bytes))
        return "cannot write " + outFile + ": " + *failure;
    return {};
}
