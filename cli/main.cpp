// arvelo-size: the sizing and commissioning calculations of Arvelo Rezu on
// the command line, for many circuits at once and for scripted checks.

#include "app/program_version.h"
#include "cli/batch.h"
#include "cli/branch_command.h"
#include "cli/duty.h"
#include "cli/outcome_output.h"
#include "cli/size_session.h"
#include "cli/view_names.h"
#include "ui/main/write_file_atomically.h"

#include <CLI/CLI.hpp>

#include <cstdint>
#include <fstream>
#include <iostream>
#include <string_view>

namespace {

int fail(const std::string& message)
{
    std::cerr << "arvelo-size: " << message << '\n';
    return 1;
}

// What the options alone do not tell: the views, the duty file and the exit status.
constexpr const char* kHelpFooter = R"(Views:
  fixed        fixed-orifice balancing valve (Arvelo Quarz), sizing; reads --flow, --dp
  fixed-check  fixed-orifice valve, flow from the pressure measured across the orifice;
               reads --dp, needs --pick
  variable     variable-orifice balancing valve (Arvelo, Nodo, Tesa, Nodo Tesa), sizing;
               reads --flow, --dp
  picv         pressure-independent control valve (Arvelo Flumen), sizing; reads --flow
  picv-check   pressure-independent valve: is the measured pressure enough for the
               presetting? --flow holds the presetting, --dp the pressure; needs --pick
  dpcv         differential pressure controller (Arvelo Statra); reads --flow, --dp

Every run starts from the defaults of a fresh start of the window: German, l/s, mbar,
water, dPmin 1 kPa, dPmax 6 kPa and the default models. The catalogue is read only.

Unit labels, spelt exactly:
  flow      kg/s Kg/h l/s l/min l/h m3/s m3/h GPM In3/min Ft3/min
  pressure  kPa daPa bar mH2O atm kg/cm2 PSI ftH2O mbar

Duty file (--batch):
  Semicolon-separated UTF-8 with a header line naming its columns among view
  (required), flow, dp, pick, flow_unit, pressure_unit, fluid; an empty cell or a
  missing column takes the command line's value. The results have a header line and
  one line per duty, with the columns
  line;view;found;chosen;model;code;size;candidates;status;result1;result2;result3;details;error
  then presetting, kv, opening_percent, flow, flow_unit, dp_min, pressure_unit,
  verdict, material_number, nominal_size, each filled where the view shows it;
  or, with --json, one JSON object per line.

Exit status:
  0  every calculation ran (finding no valve is a result)
  1  a one-line error on standard error; in batch mode, any line failed)";

struct Arguments {
    DutyTexts duty;
    RunSettingTexts settings;
    std::string database = "DB/mvd.db";
    std::string batchFile;
    std::string outFile;
    std::string curveFile;
    bool json = false;
};

// A whole number for the parser, so that --help names its type and a word is
// refused there; kept as text, which the duty and the settings check for range.
void addWholeNumberOption(CLI::App& app, const std::string& name, std::string& text, const std::string& description)
{
    app.add_option_function<std::int64_t>(
        name, [&text](const std::int64_t& value) { text = std::to_string(value); }, description);
}

void declareOptions(CLI::App& app, Arguments& args)
{
    app.add_option("view", args.duty.view, "Valve view: " + viewNameList());
    app.add_option("--flow", args.duty.flow,
                   "Flow as typed in the window (decimal comma or point); the presetting in picv-check");
    app.add_option("--dp", args.duty.dp, "Differential pressure as typed in the window");
    addWholeNumberOption(app, "--pick", args.duty.pick,
                         "Click candidate row N (0 is the first) after a first calculation");
    app.add_option("--flow-unit", args.duty.flowUnit, "Flow unit label, e.g. l/s, m3/h, Kg/h (default l/s)");
    app.add_option("--pressure-unit", args.duty.pressureUnit, "Pressure unit label, e.g. kPa, mbar (default mbar)");
    addWholeNumberOption(app, "--fluid", args.duty.fluid, "Fluid 0 (water) to 5 (water and glycol 50%)");
    app.add_option("--preferred", args.settings.preferred, "Preferred model KIND=NAME (KIND fixed, variable, picv, dpcv)")
        ->expected(1)
        ->multi_option_policy(CLI::MultiOptionPolicy::TakeAll);
    app.add_option("--alternative", args.settings.alternative, "Alternative model KIND=NAME")
        ->expected(1)
        ->multi_option_policy(CLI::MultiOptionPolicy::TakeAll);
    app.add_option("--dp-min", args.settings.dpMin, "Lower pressure-drop bound of fixed-orifice valves, kPa (1)");
    app.add_option("--dp-max", args.settings.dpMax, "Upper pressure-drop bound of fixed-orifice valves, kPa (6)");
    addWholeNumberOption(app, "--language", args.settings.language,
                         "0 Italian, 1 English, 2 Spanish, 3 German (default), 4 French, 5 Swedish, 6 Russian");
    app.add_flag("--json", args.json, "Print JSON (one object per duty)");
    app.add_option("--db", args.database, "Catalogue database (default DB/mvd.db below the current folder)");
    CLI::Option* batch = app.add_option("--batch", args.batchFile, "Semicolon-separated duty file, one duty per line");
    app.add_option("--out", args.outFile, "Write the batch results to this file")->needs(batch);
    app.add_option("--curve", args.curveFile,
                   "Write the chosen valve's presetting curve, with the operating point marked, as an SVG file")
        ->excludes(batch);
}

int runOne(SizeSession& session, const Arguments& args, const RunSettings& settings)
{
    Duty duty;
    if (const std::string error = resolveDuty(args.duty, duty); !error.empty())
        return fail(error);
    SizeOutcome outcome;
    std::string curveSvg;
    const bool wantsCurve = !args.curveFile.empty();
    if (const std::string error = session.run(duty, settings, outcome, wantsCurve ? &curveSvg : nullptr);
        !error.empty())
        return fail(error);
    if (args.json)
        std::cout << jsonLine(outcomeJson(outcome)) << '\n';
    else
        std::cout << outcomeText(outcome);
    if (!wantsCurve)
        return 0;
    if (curveSvg.empty())
        return fail("no valve with a presetting curve was chosen; " + args.curveFile + " was not written");
    if (const auto failure = writeFileAtomically(args.curveFile, curveSvg))
        return fail("cannot write " + args.curveFile + ": " + *failure);
    return 0;
}

int runFile(SizeSession& session, const Arguments& args, const RunSettings& settings)
{
    std::ifstream in(args.batchFile, std::ios::binary);
    if (!in)
        return fail("cannot read the duty file " + args.batchFile);
    std::ofstream file;
    if (!args.outFile.empty()) {
        file.open(args.outFile, std::ios::binary | std::ios::trunc);
        if (!file)
            return fail("cannot write " + args.outFile);
    }
    std::ostream& out = args.outFile.empty() ? std::cout : file;
    const BatchReport report = runBatch(in, out, session, args.duty, settings, args.json);
    if (!report.fatal.empty())
        return fail(args.batchFile + ": " + report.fatal);
    out.flush();
    if (!out)
        return fail("writing the results failed");
    return report.failed == 0 ? 0 : 1;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc >= 2 && std::string_view(argv[1]) == "branch")
        return runBranchCommand(argc - 1, argv + 1);
    CLI::App app{"Sizes and checks Arvelo valves on the product catalogue, as Arvelo Rezu does.", "arvelo-size"};
    app.set_version_flag("--version", std::string("arvelo-size ") + kProgramVersion, "Print the version and exit");
    app.footer(kHelpFooter);
    Arguments args;
    declareOptions(app, args);
    try {
        app.parse(argc, argv);
    } catch (const CLI::Success& helpOrVersion) {
        return app.exit(helpOrVersion);
    } catch (const CLI::ParseError& error) {
        return fail(error.what()); // one line, as every other error
    }

    RunSettings settings;
    if (const std::string error = resolveRunSettings(args.settings, settings); !error.empty())
        return fail(error);
    if (args.batchFile.empty() && args.duty.view.empty())
        return fail("no view given (one of: " + viewNameList() + "), and no --batch file");
    if (!args.batchFile.empty()) {
        // The command line's texts are the defaults of every batch line:
        // check them once here, with a stand-in view where none is given.
        DutyTexts defaults = args.duty;
        if (defaults.view.empty())
            defaults.view = "fixed";
        Duty checked;
        if (const std::string error = resolveDuty(defaults, checked); !error.empty())
            return fail(error);
    }

    SizeSession session(std::cerr);
    if (const std::string error = session.open(args.database); !error.empty())
        return fail(error);
    return args.batchFile.empty() ? runOne(session, args, settings) : runFile(session, args, settings);
}
