#include "cli/command_files.h"

#include "cli/same_file.h"
#include "files/write_file_atomically.h"

#include <filesystem>
#include <iostream>
#include <utility>
#include <vector>

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

std::string checkedFiles(const CommandFiles& files, const std::string& inputName)
{
    std::error_code error;
    if (std::filesystem::is_directory(files.input, error))
        return files.input + " is a folder, not a " + inputName;
    return clashingOutput(files, inputName);
}

std::string writeOutputs(const CommandFiles& files, const std::string& results, const std::string& incomplete,
                         const std::function<std::string()>& chart)
{
    // The chart draws every bar up to the pump head: without a valid head
    // there is nothing true to draw.
    if (!incomplete.empty()) {
        if (std::string problem = writeResults(files.outFile, results); !problem.empty())
            return problem;
        return incomplete + (files.svgFile.empty() ? "" : " " + files.svgFile + " was not written");
    }
    // The files are written all or none; the standard output, which cannot
    // be taken back, only once they are.
    std::vector<FileContents> outputs;
    if (!files.outFile.empty())
        outputs.push_back({files.outFile, results});
    const std::string svg = files.svgFile.empty() ? std::string() : chart();
    if (!files.svgFile.empty())
        outputs.push_back({files.svgFile, svg});
    if (const auto failure = writeFilesAtomically(outputs))
        return "cannot write " + failure->file.string() + ": " + failure->reason;
    return files.outFile.empty() ? writeResults({}, results) : std::string();
}
