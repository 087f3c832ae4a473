#include "tests/support/command_run.h"

#include "tests/support/command_output.h"
#include "tests/support/file_bytes.h"

CommandRun runCommandIn(const std::filesystem::path& where, const std::string& command,
                        const std::filesystem::path& errFile)
{
    std::string out = commandOutput("cd '" + where.string() + "' && " + command + " 2>'" + errFile.string() +
                                    "'; echo \"exit=$?\"");
    CommandRun result;
    const std::size_t mark = out.rfind("exit=");
    if (mark != std::string::npos) {
        result.status = std::stoi(out.substr(mark + 5));
        out.erase(mark);
    }
    result.out = out;
    result.err = fileBytes(errFile);
    return result;
}
