// arvelo-size: the sizing and commissioning calculations of Arvelo Rezu on
// the command line, for many circuits at once and for scripted checks.

#include "app/program_version.h"
#include "data/argument_text.h"
#include "cli/batch.h"
#include "cli/catalogue_search.h"
#include "cli/branch_command.h"
#include "cli/duty.h"
#include "cli/locale_language.h"
#include "cli/outcome_output.h"
#include "cli/printable_text.h"
#include "cli/same_file.h"
#include "cli/size_session.h"
#include "cli/system_command.h"
#include "cli/view_names.h"
#include "files/write_file_atomically.h"

#include <CLI/CLI.hpp>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string_view>

namespace {

// Messages quote what was typed or read: nothing of it may steer the terminal.
int fail(const std::string& message, int status = 1)
{
    std::cerr << "arvelo-size: " << printableText(message) << '\n';
    return status;
}

// A usage the help rules out, as a missing --pick of a commissioning view.
constexpr int kUsageStatus = 2;

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

A whole branch: arvelo-size branch FILE.csv balances the circuits of a riser, from
their riser losses or their pipe sections, and sizes every valve; its options are
in arvelo-size branch --help. A whole system: arvelo-size system FILE.csv balances
branches on a main, each with its foot device, and gives the pump's duty point;
see arvelo-size system --help.

Every run starts from the defaults of a fresh start of the window: l/s, mbar,
water, dPmin 1 kPa, dPmax 6 kPa and the default models. The language follows the
locale (LC_ALL, LC_MESSAGES, LANG) when it is one of the seven, else English.

Catalogue, read only: --db PATH, else the first that exists of
  $REZU_WORKDIR/DB/mvd.db, ~/ArveloRezu/DB/mvd.db, DB/mvd.db
The program arvelo-rezu makes the second on its first start; arvelo-catalogue PATH
makes one anywhere.

Unit labels, in any case:
  flow      kg/s Kg/h l/s l/min l/h m3/s m3/h GPM In3/min Ft3/min
  pressure  kPa daPa bar mH2O atm kg/cm2 PSI ftH2O mbar

Duty file (--batch):
  Semicolon-separated UTF-8 with a header line naming its columns among view
  (required), flow, dp, pick, flow_unit, pressure_unit, fluid; an empty cell or a
  missing column takes the command line's value. The results have a header line and
  one line per duty, with the columns line, view, found, chosen, model, code, size,
  candidates, status, result1, result2, result3, details, error,
  then the duty as understood: flow, dp, pick, flow_unit, pressure_unit, fluid;
  then presetting, kv, kv_required, opening_percent, result_flow, result_flow_unit,
  dp_min, dp_min_unit, verdict, material_number, nominal_size, warnings, each
  filled where the view shows it; or, with --json, one JSON object per line.
  Header names and unit labels match in any case; blanks around a cell are dropped.
  A line longer than 4096 bytes is refused. The duty file is read before --out
  is written, whole or not at all; --out never replaces the duty file.

Exit status:
  0  every calculation ran (finding no valve is a result)
  1  a one-line error on standard error; in batch mode, any line failed
  2  fixed-check or picv-check without --pick)";

struct Arguments {
    DutyTexts duty;
    RunSettingTexts settings;
    std::string database; // empty: search the usual places
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
                         "0 Italian, 1 English, 2 Spanish, 3 German, 4 French, 5 Swedish, 6 Russian "
                         "(default: the locale's, else English)");
    app.add_flag("--json", args.json, "Print JSON (one object per duty)");
    app.add_option("--db", args.database,
                   "Catalogue database (default: the first of $REZU_WORKDIR/DB/mvd.db, ~/ArveloRezu/DB/mvd.db, "
                   "DB/mvd.db)");
    CLI::Option* batch = app.add_option("--batch", args.batchFile, "Semicolon-separated duty file, one duty per line");
    app.add_option("--out", args.outFile, "Write the batch results to this file")->needs(batch);
    app.add_option("--curve", args.curveFile,
                   "Write the chosen valve's presetting curve, with the operating point marked, as an SVG file")
        ->excludes(batch);
}

// The duty of a single run, checked before any file is opened.
int checkDuty(const DutyTexts& texts, Duty& duty)
{
    const std::string error = resolveDuty(texts, duty);
    if (error.empty())
        return 0;
    const auto view = viewOfName(trimmedText(texts.view));
    const bool pickMissing = view && viewNeedsPick(*view) && trimmedText(texts.pick).empty();
    return fail(error, pickMissing ? kUsageStatus : 1);
}

int runOne(SizeSession& session, const Arguments& args, const Duty& duty, const RunSettings& settings)
{
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

// The duty file is read and checked before the output is touched; the output
// is written whole or not at all, so a failed run leaves an earlier result
// file as it was, and never replaces the duty file itself (under whatever
// name or link it is given).
int runFile(SizeSession& session, const Arguments& args, const RunSettings& settings)
{
    std::ifstream in(args.batchFile, std::ios::binary);
    if (!in)
        return fail("cannot read the duty file " + args.batchFile);
    if (!args.outFile.empty() && isSameFile(args.batchFile, args.outFile))
        return fail("--out " + args.outFile + " is the duty file itself; the results would replace the duties");
    if (args.outFile.empty()) {
        const BatchReport report = runBatch(in, std::cout, session, args.duty, settings, args.json);
        if (!report.fatal.empty())
            return fail(args.batchFile + ": " + report.fatal);
        std::cout.flush();
        if (!std::cout)
            return fail("writing the results failed");
        return report.failed == 0 ? 0 : 1;
    }
    std::ostringstream results;
    const BatchReport report = runBatch(in, results, session, args.duty, settings, args.json);
    if (!report.fatal.empty())
        return fail(args.batchFile + ": " + report.fatal + "; " + args.outFile + " was not written");
    if (in.bad())
        return fail("reading the duty file " + args.batchFile + " failed; " + args.outFile + " was not written");
    if (const auto failure = writeFileAtomically(args.outFile, results.str()))
        return fail("cannot write " + args.outFile + ": " + *failure);
    return report.failed == 0 ? 0 : 1;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc >= 2 && std::string_view(argv[1]) == "branch")
        return runBranchCommand(argc - 1, argv + 1);
    if (argc >= 2 && std::string_view(argv[1]) == "system")
        return runSystemCommand(argc - 1, argv + 1);
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

    args.settings.defaultLanguage =
        localeLanguage(std::getenv("LC_ALL"), std::getenv("LC_MESSAGES"), std::getenv("LANG"));
    RunSettings settings;
    if (const std::string error = resolveRunSettings(args.settings, settings); !error.empty())
        return fail(error);
    if (args.batchFile.empty() && trimmedText(args.duty.view).empty())
        return fail("no view given (one of: " + viewNameList() + "), and no --batch file");
    Duty duty;
    if (args.batchFile.empty()) {
        if (const int status = checkDuty(args.duty, duty))
            return status;
    } else {
        // The command line's texts are the defaults of every batch line:
        // check them once here, with a stand-in view and pick where none
        // is given (the lines may give them).
        DutyTexts defaults = args.duty;
        if (trimmedText(defaults.view).empty())
            defaults.view = "fixed";
        if (trimmedText(defaults.pick).empty())
            defaults.pick = "0";
        if (const std::string error = resolveDuty(defaults, duty); !error.empty())
            return fail(error);
    }

    std::string database = args.database;
    if (database.empty()) {
        const auto candidates = catalogueCandidates(std::getenv("REZU_WORKDIR"), std::getenv("HOME"));
        const auto found = firstExistingCatalogue(candidates);
        if (!found)
            return fail(noCatalogueMessage(candidates));
        database = found->string();
    }
    SizeSession session(std::cerr);
    if (const std::string error = session.open(database); !error.empty())
        return fail(error);
    return args.batchFile.empty() ? runOne(session, args, duty, settings) : runFile(session, args, settings);
}
