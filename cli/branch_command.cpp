#include "cli/branch_command.h"

#include "branch/balance_branch.h"
#include "branch/branch_chart_svg.h"
#include "branch/branch_plausibility.h"
#include "branch/branch_result_texts.h"
#include "branch/circuits_file.h"
#include "cli/balance_command.h"
#include "cli/branch_setting_options.h"
#include "cli/branch_tables.h"
#include "data/text_format.h"

#include <algorithm>
#include <memory>

namespace {

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
no pump head is given; and, with nothing written, for a figure beyond any
building's water circuit: a section faster than 5 m/s, a loss or head above 1600
kPa, a circuit loss above 1000 kPa, a control valve's Kvs below 0,01. --out and
--svg are written both or neither; a device or pipe named is written into.)";

struct Arguments : BalanceArguments {
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

bool hasPipes(const Branch& branch)
{
    return std::any_of(branch.circuits.begin(), branch.circuits.end(),
                       [](const BranchCircuit& circuit) { return circuit.pipe.has_value(); });
}

// The balanced branch; its results, texts and chart shared by the forms.
BalancedOutputs balanced(const AppState& state, ProductDb& db, const Branch& branch)
{
    const auto result = std::make_shared<const BranchResult>(balanceBranch(state, db, branch));
    const auto texts = std::make_shared<const BranchResultTexts>(branchDesignTexts(state, branch, *result));
    return {implausibleBranchResult(state, branch, *result), utf16ToUtf8(texts->incomplete),
            [&state, &branch, result, texts] { return branchTableJson(state, branch, *result, *texts); },
            [texts] { return branchTableText(*texts); },
            [texts] { return branchAlignedText(*texts); },
            [&state, &branch, result] { return branchChartSvg(state, branch, *result); }};
}

} // namespace

int runBranchCommand(int argc, char** argv)
{
    Arguments args;
    Branch branch;
    const BalanceCommand command{
        "branch", "circuits file", "riser_loss", commandLine(args), args,
        [&] { return checkedBranchSettings(args.branch, branch.settings); },
        [&](std::istream& in, const AppState& state) { return readBranchCircuits(in, state, branch); },
        [&] { return implausibleCircuits(branch); },
        [&] { return hasPipes(branch); },
        [&] { return branch.settings.limits.fluidTemperature; },
        [&](const AppState& state, ProductDb& db) { return balanced(state, db, branch); }};
    return runBalanceCommand(command, argc, argv);
}
