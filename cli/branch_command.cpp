#include "cli/branch_command.h"

#include "app/unit_conversion.h"
#include "branch/balance_branch.h"
#include "branch/branch_chart_svg.h"
#include "branch/branch_result_texts.h"
#include "data/argument_text.h"
#include "branch/circuits_file.h"
#include "cli/catalogue_search.h"
#include "cli/comma_number.h"
#include "cli/duty.h"
#include "cli/locale_language.h"
#include "cli/outcome_output.h"
#include "cli/printable_text.h"
#include "data/ranged_number.h"
#include "cli/same_file.h"
#include "cli/startup_state.h"
#include "data/csv_cell.h"
#include "data/number_text.h"
#include "data/text_format.h"
#include "db/product_db.h"
#include "files/write_file_atomically.h"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <set>
#include <sstream>

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
    std::string file;
    std::string database; // empty: search the usual places
    std::string outFile;
    std::string svgFile;
    bool json = false;
    bool csv = false;
    DutyTexts units{"fixed"};
    RunSettingTexts settings;
    std::string minimumStaticDp = "3";
    std::string noiseLimit = "25";
    std::string fluidTemperature = "60";
    std::string velocityLimit = "1";
    std::string authorityLimit = "0,25";
    std::string name;
};

void declareOptions(CLI::App& app, Arguments& args)
{
    app.add_option("file", args.file, "Circuits file (semicolon-separated, with a header)")->required();
    app.add_flag("--json", args.json, "Print one JSON object");
    app.add_flag("--csv", args.csv, "Print the semicolon-separated table instead of the aligned one");
    app.add_option("--out", args.outFile, "Write the semicolon-separated results to this file");
    app.add_option("--svg", args.svgFile, "Write the chart of the branch as an SVG file");
    app.add_option("--db", args.database,
                   "Catalogue database (default: the first of $REZU_WORKDIR/DB/mvd.db, ~/ArveloRezu/DB/mvd.db, "
                   "DB/mvd.db)");
    app.add_option("--flow-unit", args.units.flowUnit, "Flow unit in force, e.g. l/s, m3/h (default l/s)");
    app.add_option("--pressure-unit", args.units.pressureUnit, "Pressure unit in force, e.g. kPa (default mbar)");
    app.add_option("--fluid", args.units.fluid, "Fluid 0 (water) to 5 (water and glycol 50%)");
    app.add_option("--language", args.settings.language,
                   "0 Italian, 1 English, 2 Spanish, 3 German, 4 French, 5 Swedish, 6 Russian "
                   "(default: the locale's, else English)");
    app.add_option("--min-dp", args.minimumStaticDp, "Minimum pressure drop of a static valve, kPa (3)");
    app.add_option("--noise-limit", args.noiseLimit, "Pressure drop above which a static valve may whistle, kPa (25)");
    app.add_option("--fluid-temperature", args.fluidTemperature,
                   "Water temperature for the pipe sections, C, 0 to 100 (60)");
    app.add_option("--velocity-limit", args.velocityLimit, "Velocity in a pipe section above which it warns, m/s (1)");
    app.add_option("--authority-limit", args.authorityLimit,
                   "Control valve authority below which it warns (0,25)");
    app.add_option("--name", args.name, "Name of the branch");
}

// The branch's settings from their option texts, each in its range.
std::string checkedSettings(const Arguments& args, BranchSettings& settings)
{
    settings.name = args.name;
    const struct {
        const char* option;
        const std::string& text;
        NumberRange range;
        float& value;
    } numbers[] = {
        {"--min-dp", args.minimumStaticDp, NumberRange::Positive, settings.minimumStaticDp},
        {"--noise-limit", args.noiseLimit, NumberRange::Positive, settings.noiseLimit},
        {"--fluid-temperature", args.fluidTemperature, NumberRange::Any, settings.fluidTemperature},
        {"--velocity-limit", args.velocityLimit, NumberRange::Positive, settings.velocityLimit},
        {"--authority-limit", args.authorityLimit, NumberRange::Positive, settings.authorityLimit},
    };
    for (const auto& number : numbers)
        if (std::string error = rangedNumber(number.option, trimmedText(number.text), number.range, number.value);
            !error.empty())
            return error;
    if (settings.minimumStaticDp > settings.noiseLimit)
        return "--min-dp " + args.minimumStaticDp + " is above --noise-limit " + args.noiseLimit +
               ": every static valve would whistle";
    if (!waterAt(settings.fluidTemperature))
        return "--fluid-temperature '" + args.fluidTemperature +
               "' is outside 0 to 100 C, the range of the water table";
    if (settings.authorityLimit >= 1.0f)
        return "--authority-limit '" + args.authorityLimit + "' must be below 1";
    return {};
}

// The aligned table an engineer reads: what to set first (designation,
// valve, DN, presetting, the valve's dP, warnings), then the rest; the index
// circuit marked.
std::string alignedText(const BranchResultTexts& texts)
{
    const std::vector<std::string> first{"number",     "designation", "model", "nominal_size",
                                         "presetting", "valve_dp",    "warnings"};
    std::vector<std::size_t> order;
    for (const std::string& key : first)
        if (const auto at = std::find(texts.keys.begin(), texts.keys.end(), key); at != texts.keys.end())
            order.push_back(static_cast<std::size_t>(at - texts.keys.begin()));
    for (std::size_t c = 0; c < texts.keys.size(); ++c)
        if (std::find(order.begin(), order.end(), c) == order.end())
            order.push_back(c);
    std::vector<std::vector<std::u16string>> lines{texts.headers};
    lines.front()[0] = u"  " + lines.front()[0];
    for (std::size_t r = 0; r < texts.rows.size(); ++r) {
        lines.push_back(texts.rows[r]);
        lines.back()[0] = (r == texts.indexRow && texts.incomplete.empty() ? u"* " : u"  ") + lines.back()[0];
    }
    std::vector<std::size_t> widths(texts.keys.size(), 0);
    for (const auto& line : lines)
        for (std::size_t c = 0; c < line.size() && c < widths.size(); ++c)
            widths[c] = std::max(widths[c], line[c].size());
    std::string out;
    for (const auto& line : lines) {
        std::u16string text;
        for (const std::size_t c : order) {
            const std::u16string cell = c < line.size() ? line[c] : u"";
            text += cell + std::u16string(widths[c] - cell.size() + 2, u' ');
        }
        while (!text.empty() && text.back() == u' ')
            text.pop_back();
        out += utf16ToUtf8(text) + '\n';
    }
    out += '\n';
    if (!texts.incomplete.empty())
        return out + utf16ToUtf8(texts.incomplete) + '\n';
    for (const auto& [caption, value] : {std::pair{texts.totalFlowCaption, texts.totalFlowValue},
                                         {texts.pumpHeadCaption, texts.pumpHeadValue},
                                         {texts.indexCaption, texts.indexValue}})
        out += utf16ToUtf8(caption) + ": " + utf16ToUtf8(value) + '\n';
    return out;
}

std::string tableText(const BranchResultTexts& texts)
{
    std::string out;
    const auto line = [&out](const std::vector<std::u16string>& cells) {
        for (std::size_t i = 0; i < cells.size(); ++i)
            out += (i ? ";" : "") + csvCell(utf16ToUtf8(cells[i]));
        out += '\n';
    };
    line(texts.headers);
    for (const auto& row : texts.rows)
        line(row);
    if (!texts.incomplete.empty()) {
        line({texts.incomplete});
        return out;
    }
    line({texts.pumpHeadCaption, texts.pumpHeadValue});
    line({texts.totalFlowCaption, texts.totalFlowValue});
    line({texts.indexCaption, texts.indexValue});
    return out;
}

// The columns whose cells are words, not numbers.
bool isTextColumn(const std::string& key)
{
    static const std::set<std::string> words{"designation", "kind", "model", "nominal_size", "material_number",
                                             "warnings"};
    return words.count(key) != 0;
}

// A number as the reader wants it: the value of the shown text, null for an
// empty cell.
nlohmann::ordered_json jsonNumber(const std::u16string& text)
{
    const std::optional<double> value = commaNumber(utf16ToUtf8(text));
    return value ? nlohmann::ordered_json(*value) : nlohmann::ordered_json(nullptr);
}

// Numbers under the keys, the texts as shown beside them.
nlohmann::ordered_json tableJson(const AppState& state, const Branch& branch, const BranchResult& result,
                                 const BranchResultTexts& texts)
{
    nlohmann::ordered_json json;
    json["name"] = branch.settings.name;
    json["flow_unit"] = flowUnitLabel(state);
    json["pressure_unit"] = pressureUnitLabel(state);
    json["complete"] = result.complete;
    json["pump_head"] = result.complete ? jsonNumber(texts.pumpHeadValue) : nlohmann::ordered_json(nullptr);
    json["pump_head_text"] = result.complete ? utf16ToUtf8(texts.pumpHeadValue) : std::string();
    json["pump_head_caption"] = utf16ToUtf8(texts.pumpHeadCaption);
    json["total_flow"] = jsonNumber(texts.totalFlowValue);
    json["total_flow_text"] = utf16ToUtf8(texts.totalFlowValue);
    json["total_flow_caption"] = utf16ToUtf8(texts.totalFlowCaption);
    json["index_circuit"] = result.complete ? nlohmann::ordered_json(result.indexCircuit + 1) : nullptr;
    json["index_caption"] = utf16ToUtf8(texts.indexCaption);
    json["incomplete"] = utf16ToUtf8(texts.incomplete);
    json["unsized"] = nlohmann::ordered_json::array();
    for (const std::size_t i : result.unsized)
        json["unsized"].push_back(i + 1);
    json["headers"] = nlohmann::ordered_json::array();
    for (const auto& header : texts.headers)
        json["headers"].push_back(utf16ToUtf8(header));
    json["circuits"] = nlohmann::ordered_json::array();
    for (std::size_t i = 0; i < texts.rows.size(); ++i) {
        nlohmann::ordered_json circuit;
        nlohmann::ordered_json shown;
        for (std::size_t c = 0; c < texts.keys.size(); ++c) {
            const std::string& key = texts.keys[c];
            circuit[key] = isTextColumn(key) ? nlohmann::ordered_json(utf16ToUtf8(texts.rows[i][c]))
                                             : jsonNumber(texts.rows[i][c]);
            if (!isTextColumn(key))
                shown[key] = utf16ToUtf8(texts.rows[i][c]);
        }
        circuit["texts"] = std::move(shown);
        circuit["found"] = result.circuits[i].valve.found;
        circuit["kv_required"] = branch.circuits[i].kind == BranchValveKind::PressureIndependent
                                     ? nlohmann::ordered_json(nullptr)
                                     : nlohmann::ordered_json(result.circuits[i].valve.requiredKv);
        circuit["index"] = result.complete && i == result.indexCircuit;
        circuit["warning_list"] = nlohmann::ordered_json::array();
        for (const BranchWarning warning : result.circuits[i].warnings)
            circuit["warning_list"].push_back(
                utf16ToUtf8(warningText(state, warning, branch.settings, result.circuits[i].valve)));
        json["circuits"].push_back(std::move(circuit));
    }
    return json;
}

std::string checkedState(const Arguments& args, ProductDb& db, AppState& state)
{
    Duty units;
    if (std::string error = resolveDuty(args.units, units); !error.empty())
        return error;
    RunSettingTexts settingTexts = args.settings;
    settingTexts.defaultLanguage =
        localeLanguage(std::getenv("LC_ALL"), std::getenv("LC_MESSAGES"), std::getenv("LANG"));
    RunSettings settings;
    if (std::string error = resolveRunSettings(settingTexts, settings); !error.empty())
        return error;
    std::string database = args.database;
    if (database.empty()) {
        const auto candidates = catalogueCandidates(std::getenv("REZU_WORKDIR"), std::getenv("HOME"));
        const auto found = firstExistingCatalogue(candidates);
        if (!found)
            return noCatalogueMessage(candidates);
        database = found->string();
    }
    std::error_code missing;
    if (!std::filesystem::is_regular_file(database, missing))
        return "no catalogue database at " + database;
    if (!db.openReadOnly(database))
        return "cannot open the catalogue database " + database;
    if (!db.checkFluidTable())
        return database + " is not an Arvelo catalogue (no table fluidi)";
    state = startupState(db);
    state.languageIndex = settings.languageIndex;
    state.flowUnitIndex = units.flowUnitIndex;
    state.pressureUnitIndex = units.pressureUnitIndex;
    state.fluidIndex = units.fluidIndex;
    return {};
}

// No output may replace the circuits file or the other output, under
// whatever name or link it is given.
std::string clashingOutput(const Arguments& args)
{
    for (const auto& [option, name] : {std::pair{"--out", &args.outFile}, {"--svg", &args.svgFile}})
        if (!name->empty() && isSameFile(args.file, *name))
            return std::string(option) + " " + *name + " is the circuits file itself; the results would replace it";
    if (!args.outFile.empty() && !args.svgFile.empty() && isSameFile(args.outFile, args.svgFile))
        return "--out and --svg name the same file " + args.outFile + "; the chart would replace the results";
    return {};
}

std::string output(const Arguments& args, const std::string& bytes)
{
    if (args.outFile.empty()) {
        std::cout << bytes;
        std::cout.flush();
        return std::cout ? std::string() : "writing the results failed";
    }
    if (const auto failure = writeFileAtomically(args.outFile, bytes))
        return "cannot write " + args.outFile + ": " + *failure;
    return {};
}

// Pipe sections need the fluid's viscosity, known for water only.
std::string pipeFluidProblem(const AppState& state, const Branch& branch)
{
    const bool pipes = std::any_of(branch.circuits.begin(), branch.circuits.end(),
                                   [](const BranchCircuit& circuit) { return circuit.pipe.has_value(); });
    if (!pipes || pipeFluidOf(state, branch.settings.fluidTemperature))
        return {};
    return "pipe sections are computed for water (--fluid 0) only: no trustworthy viscosity of this fluid is known "
           "here; give riser_loss instead";
}

} // namespace

int runBranchCommand(int argc, char** argv)
{
    CLI::App app{"Balances a two-pipe direct-return branch: every valve's presetting, the pump head and the index "
                 "circuit.",
                 "arvelo-size branch"};
    app.footer(kFooter);
    Arguments args;
    declareOptions(app, args);
    try {
        app.parse(argc, argv);
    } catch (const CLI::Success& help) {
        return app.exit(help);
    } catch (const CLI::ParseError& error) {
        return fail(error.what());
    }

    Branch branch;
    if (std::string error = checkedSettings(args, branch.settings); !error.empty())
        return fail(error);
    std::error_code error;
    if (std::filesystem::is_directory(args.file, error))
        return fail(args.file + " is a folder, not a circuits file");
    if (std::string clash = clashingOutput(args); !clash.empty())
        return fail(clash);
    ProductDb db(std::cerr);
    AppState state;
    if (std::string problem = checkedState(args, db, state); !problem.empty())
        return fail(problem);
    std::ifstream in(args.file, std::ios::binary);
    if (!in)
        return fail("cannot read the circuits file " + args.file);
    if (std::string problem = readBranchCircuits(in, state, branch); !problem.empty())
        return fail(args.file + ": " + problem);
    if (std::string problem = pipeFluidProblem(state, branch); !problem.empty())
        return fail(args.file + ": " + problem);

    const BranchResult result = balanceBranch(state, db, branch);
    const BranchResultTexts texts = branchDesignTexts(state, branch, result);
    const bool table = !args.outFile.empty() || args.csv;
    const std::string bytes = args.json ? jsonLine(tableJson(state, branch, result, texts)) + "\n"
                              : table   ? tableText(texts)
                                        : alignedText(texts);
    if (std::string problem = output(args, bytes); !problem.empty())
        return fail(problem);
    // The chart draws every bar up to the pump head: without a valid head
    // there is nothing true to draw.
    if (!result.complete)
        return fail(utf16ToUtf8(texts.incomplete) +
                    (args.svgFile.empty() ? "" : " " + args.svgFile + " was not written"));
    if (!args.svgFile.empty())
        if (const auto failure = writeFileAtomically(args.svgFile, branchChartSvg(state, branch, result)))
            return fail("cannot write " + args.svgFile + ": " + *failure);
    return 0;
}
