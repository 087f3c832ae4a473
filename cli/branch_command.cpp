#include "cli/branch_command.h"

#include "branch/balance_branch.h"
#include "branch/branch_chart_svg.h"
#include "branch/branch_result_texts.h"
#include "branch/circuits_file.h"
#include "cli/branch_setting_options.h"
#include "cli/branch_tables.h"
#include "cli/command_files.h"
#include "cli/command_line.h"
#include "cli/command_state.h"
#include "cli/outcome_output.h"
#include "cli/printable_text.h"
#include "data/text_format.h"
#include "db/product_db.h"

#include <algorithm>
#include <fstream>
#include <iostream>

namespace {

// Messages quote what was typed or read: nothing of it may steer the terminal.
int fail(const std::string& message)
{
    std::cerr << "arvelo-size branch: " << printableText(message) << '\n';
    return 1;
}

constexpr const char* kFooter = R"(Circuits file:
  Semicolon-separated UTF-8, one circuit per line in order from the pump, with a
  header line naming the columns designation, flow, flow_unit, circuit_loss,
  pressure_unit, kind (fixed, variable or picv), and optionally riser_loss, power,
  power_unit, supply, return, pipe_length_m, pipe_inner_diameter_mm,
  pipe_roughness_mm, pipe_zeta, control_valve_kvs. A line without a flow takes it
  from its power and temperatures (in the temperature unit in force, C). An empty
  unit cell takes the unit in force (--flow-unit, --pressure-unit; power kW).
  circuit_loss is the circuit's own loss without its balancing valve. The riser
  from the previous take-off (or the pump) to this one is either riser_loss (its
  loss, supply and return) or a pipe section: pipe_length_m (supply and return
  together), pipe_inner_diameter_mm, pipe_roughness_mm (0,045), pipe_zeta (sum of
  its fittings, 0), carrying the flow of this circuit and all beyond it; water at
  --fluid-temperature. control_valve_kvs: the circuit's control valve, whose drop
  adds to the circuit loss. Header names and unit labels in any case; at most
  10000 circuits and 4096 bytes a line.

Output: an aligned table per circuit (the index circuit marked *), the total flow
and the pump head, in --language and the units in force; with --out or --csv the
same as a semicolon-separated table; with --json one JSON object. Exit status 1
when no valve of its kind carries a circuit's flow: the result is incomplete and
no pump head is given.)";

struct Arguments {
    CommandFiles files;
    bool json = false;
    bool csv = false;
    CommandSetting setting;
    BranchSettingTexts branch;
};

CommandLine commandLine(Arguments& args)
{
    CommandLine line{"Balances a two-pipe direct-return branch: every valve's presetting, the pump head and the index "
                     "circuit.",
                     "arvelo-size branch",
                     kFooter,
                     {{"file", &args.files.input, "Circuits file (semicolon-separated, with a header)", true},
                      {"--json", &args.json, "Print one JSON object"},
                      {"--csv", &args.csv, "Print the semicolon-separated table instead of the aligned one"},
                      {"--out", &args.files.outFile, "Write the semicolon-separated results to this file"},
                      {"--svg", &args.files.svgFile, "Write the chart of the branch as an SVG file"}}};
    for (const auto& options : {commandSettingOptions(args.setting), branchSettingOptions(args.branch)})
        line.options.insert(line.options.end(), options.begin(), options.end());
    line.options.push_back({"--name", &args.branch.name, "Name of the branch"});
    return line;
}

// Pipe sections need the fluid's viscosity, known for water only.
std::string pipeFluidProblem(const AppState& state, const Branch& branch)
{
    const bool pipes = std::any_of(branch.circuits.begin(), branch.circuits.end(),
                                   [](const BranchCircuit& circuit) { return circuit.pipe.has_value(); });
    if (!pipes || pipeFluidOf(state, branch.settings.limits.fluidTemperature))
        return {};
    return "pipe sections are computed for water (--fluid 0) only: no trustworthy viscosity of this fluid is known "
           "here; give riser_loss instead";
}

} // namespace

int runBranchCommand(int argc, char** argv)
{
    Arguments args;
    const ParsedCommandLine parsed = parseCommandLine(commandLine(args), argc, argv);
    if (!parsed.error.empty())
        return fail(parsed.error);
    if (parsed.helped)
        return parsed.status;

    Branch branch;
    if (std::string error = checkedBranchSettings(args.branch, branch.settings); !error.empty())
        return fail(error);
    const std::string& file = args.files.input;
    if (std::string problem = checkedFiles(args.files, "circuits file"); !problem.empty())
        return fail(problem);
    ProductDb db(std::cerr);
    AppState state;
    if (std::string problem = commandState(args.setting, db, state); !problem.empty())
        return fail(problem);
    std::ifstream in(file, std::ios::binary);
    if (!in)
        return fail("cannot read the circuits file " + file);
    if (std::string problem = readBranchCircuits(in, state, branch); !problem.empty())
        return fail(file + ": " + problem);
    if (std::string problem = pipeFluidProblem(state, branch); !problem.empty())
        return fail(file + ": " + problem);

    const BranchResult result = balanceBranch(state, db, branch);
    const BranchResultTexts texts = branchDesignTexts(state, branch, result);
    const bool table = !args.files.outFile.empty() || args.csv;
    const std::string bytes = args.json ? jsonLine(branchTableJson(state, branch, result, texts)) + "\n"
                              : table   ? branchTableText(texts)
                                        : branchAlignedText(texts);
    if (std::string problem = writeOutputs(args.files, bytes, utf16ToUtf8(texts.incomplete),
                                           [&] { return branchChartSvg(state, branch, result); });
        !problem.empty())
        return fail(problem);
    return 0;
}
