#include "cli/balance_command.h"

#include "branch/balance_branch.h"
#include "cli/outcome_output.h"
#include "cli/printable_text.h"
#include "db/product_db.h"

#include <fstream>
#include <iostream>

int runBalanceCommand(const BalanceCommand& command, int argc, char** argv)
{
    // Messages quote what was typed or read: nothing of it may steer the terminal.
    const auto fail = [&command](const std::string& message) {
        std::cerr << "arvelo-size " << command.word << ": " << printableText(message) << '\n';
        return 1;
    };
    const ParsedCommandLine parsed = parseCommandLine(command.line, argc, argv);
    if (!parsed.error.empty())
        return fail(parsed.error);
    if (parsed.helped)
        return parsed.status;

    const BalanceArguments& args = command.arguments;
    if (std::string error = command.checkedSettings(); !error.empty())
        return fail(error);
    const std::string& file = args.files.input;
    if (std::string problem = checkedFiles(args.files, command.fileNoun); !problem.empty())
        return fail(problem);
    ProductDb db(std::cerr);
    AppState state;
    if (std::string problem = commandState(args.setting, db, state); !problem.empty())
        return fail(problem);
    std::ifstream in(file, std::ios::binary);
    if (!in)
        return fail("cannot read the " + command.fileNoun + " " + file);
    if (std::string problem = command.read(in, state); !problem.empty())
        return fail(file + ": " + problem);
    if (std::string problem = command.implausible(); !problem.empty())
        return fail(file + ": " + problem);
    // Pipe sections need the fluid's viscosity, known for water only.
    if (command.hasPipes() && !pipeFluidOf(state, command.fluidTemperature()))
        return fail(file + ": pipe sections are computed for water (--fluid 0) only: no trustworthy viscosity of "
                           "this fluid is known here; give " +
                    command.pipesInstead + " instead");

    const BalancedOutputs outputs = command.balance(state, db);
    if (!outputs.implausible.empty())
        return fail(file + ": " + outputs.implausible);
    const bool table = !args.files.outFile.empty() || args.csv;
    const std::string bytes = args.json ? jsonLine(outputs.json()) + "\n"
                              : table   ? outputs.table()
                                        : outputs.aligned();
    if (std::string problem = writeOutputs(args.files, bytes, outputs.incomplete, outputs.chart); !problem.empty())
        return fail(problem);
    return 0;
}
