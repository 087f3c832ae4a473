#include "cli/branch_command.h"

#include "app/unit_conversion.h"
#include "branch/balance_branch.h"
#include "branch/branch_chart_svg.h"
#include "branch/branch_result_texts.h"
#include "cli/branch_csv.h"
#include "cli/duty.h"
#include "cli/outcome_output.h"
#include "cli/startup_state.h"
#include "data/csv_cell.h"
#include "data/number_text.h"
#include "data/text_format.h"
#include "db/product_db.h"
#include "files/write_file_atomically.h"

#include <CLI/CLI.hpp>

#include <fstream>
#include <iostream>
#include <sstream>

namespace {

int fail(const std::string& message)
{
    std::cerr << "arvelo-size branch: " << message << '\n';
    return 1;
}

constexpr const char* kFooter = R"(Circuits file:
  Semicolon-separated UTF-8, one circuit per line in order from the pump, with a
  header line naming the columns designation, flow, flow_unit, circuit_loss,
  riser_loss, pressure_unit, kind (fixed, variable or picv), and optionally power,
  power_unit, supply, return: a line without a flow takes it from its power and
  temperatures (in the temperature unit in force, C). An empty unit cell takes the
  unit in force (--flow-unit, --pressure-unit; power kW). circuit_loss is the
  circuit's own loss without its balancing valve, riser_loss the loss of supply
  and return from the previous take-off (or the pump) to this one.

Output: the results per circuit (semicolon-separated, with the window's headers in
--language and the units in force), then the pump head and the index circuit; or,
with --json, one JSON object.)";

struct Arguments {
    std::string file;
    std::string database = "DB/mvd.db";
    std::string outFile;
    std::string svgFile;
    bool json = false;
    DutyTexts units{"fixed"};
    RunSettingTexts settings;
    float minimumStaticDp = kDefaultMinimumStaticDp;
    float noiseLimit = kDefaultNoiseLimit;
    std::string name;
};

void declareOptions(CLI::App& app, Arguments& args)
{
    app.add_option("file", args.file, "Circuits file (semicolon-separated, with a header)")->required();
    app.add_flag("--json", args.json, "Print one JSON object");
    app.add_option("--out", args.outFile, "Write the results to this file instead of standard output");
    app.add_option("--svg", args.svgFile, "Write the chart of the branch as an SVG file");
    app.add_option("--db", args.database, "Catalogue database (default DB/mvd.db below the current folder)");
    app.add_option("--flow-unit", args.units.flowUnit, "Flow unit in force, e.g. l/s, m3/h (default l/s)");
    app.add_option("--pressure-unit", args.units.pressureUnit, "Pressure unit in force, e.g. kPa (default mbar)");
    app.add_option("--fluid", args.units.fluid, "Fluid 0 (water) to 5 (water and glycol 50%)");
    app.add_option("--language", args.settings.language,
                   "0 Italian, 1 English, 2 Spanish, 3 German (default), 4 French, 5 Swedish, 6 Russian");
    app.add_option("--min-dp", args.minimumStaticDp, "Minimum pressure drop of a static valve, kPa (3)")
        ->check(CLI::PositiveNumber);
    app.add_option("--noise-limit", args.noiseLimit, "Pressure drop above which a static valve may whistle, kPa (25)")
        ->check(CLI::PositiveNumber);
    app.add_option("--name", args.name, "Name of the branch");
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
    line({texts.pumpHeadCaption, texts.pumpHeadValue});
    line({texts.indexCaption, texts.indexValue});
    return out;
}

nlohmann::ordered_json tableJson(const AppState& state, const Branch& branch, const BranchResult& result,
                                 const BranchResultTexts& texts)
{
    nlohmann::ordered_json json;
    json["name"] = branch.settings.name;
    json["flow_unit"] = flowUnitLabel(state);
    json["pressure_unit"] = pressureUnitLabel(state);
    json["pump_head"] = utf16ToUtf8(texts.pumpHeadValue);
    json["pump_head_caption"] = utf16ToUtf8(texts.pumpHeadCaption);
    json["index_circuit"] = result.indexCircuit + 1;
    json["index_caption"] = utf16ToUtf8(texts.indexCaption);
    json["headers"] = nlohmann::ordered_json::array();
    for (const auto& header : texts.headers)
        json["headers"].push_back(utf16ToUtf8(header));
    json["circuits"] = nlohmann::ordered_json::array();
    for (std::size_t i = 0; i < texts.rows.size(); ++i) {
        nlohmann::ordered_json circuit;
        for (std::size_t c = 0; c < texts.keys.size(); ++c)
            circuit[texts.keys[c]] = utf16ToUtf8(texts.rows[i][c]);
        circuit["found"] = result.circuits[i].valve.found;
        circuit["index"] = i == result.indexCircuit;
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
    RunSettings settings;
    if (std::string error = resolveRunSettings(args.settings, settings); !error.empty())
        return error;
    std::error_code missing;
    if (!std::filesystem::is_regular_file(args.database, missing))
        return "no catalogue database at " + args.database;
    if (!db.openReadOnly(args.database))
        return "cannot open the catalogue database " + args.database;
    if (!db.checkFluidTable())
        return args.database + " is not an Arvelo catalogue (no table fluidi)";
    state = startupState(db);
    state.languageIndex = settings.languageIndex;
    state.flowUnitIndex = units.flowUnitIndex;
    state.pressureUnitIndex = units.pressureUnitIndex;
    state.fluidIndex = units.fluidIndex;
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

    ProductDb db(std::cerr);
    AppState state;
    if (std::string error = checkedState(args, db, state); !error.empty())
        return fail(error);
    std::ifstream in(args.file, std::ios::binary);
    if (!in)
        return fail("cannot read the circuits file " + args.file);
    Branch branch;
    branch.settings = {args.name, args.minimumStaticDp, args.noiseLimit};
    if (std::string error = readBranchCircuits(in, state, branch); !error.empty())
        return fail(args.file + ": " + error);

    const BranchResult result = balanceBranch(state, db, branch);
    const BranchResultTexts texts = branchResultTexts(state, branch, result);
    const std::string bytes = args.json ? jsonLine(tableJson(state, branch, result, texts)) + "\n" : tableText(texts);
    if (std::string error = output(args, bytes); !error.empty())
        return fail(error);
    if (args.svgFile.empty())
        return 0;
    if (const auto failure = writeFileAtomically(args.svgFile, branchChartSvg(state, branch, result)))
        return fail("cannot write " + args.svgFile + ": " + *failure);
    return 0;
}
