#include "cli/system_command.h"

#include "app/unit_conversion.h"
#include "branch/branch_result_texts.h"
#include "branch/branch_text_ids.h"
#include "data/argument_text.h"
#include "cli/balance_command.h"
#include "cli/branch_setting_options.h"
#include "cli/branch_tables.h"
#include "data/ranged_number.h"
#include "data/text_format.h"
#include "data/text_table.h"
#include "system/balance_system.h"
#include "system/system_chart_svg.h"
#include "system/system_file.h"
#include "system/system_plausibility.h"
#include "system/system_result_texts.h"

#include <memory>

namespace {

constexpr const char* kFooter = R"(System file:
  Semicolon-separated UTF-8 with a header line: the columns of a circuits file
  (see arvelo-size branch --help) and a column branch naming each line's branch.
  A line of kind main is the main's section from the pump (or the previous
  take-off) to its branch's take-off, supply and return together: riser_loss in
  its pressure_unit, or pipe_length_m and pipe_inner_diameter_mm (pipe_roughness_mm,
  pipe_zeta), carrying the flow of its branch and all beyond it; and foot, what
  stands at the branch's foot: none (its circuits' valves take the surplus),
  fixed or variable (a static balancing valve), controller (a differential
  pressure controller at the branch's requirement as setpoint). The main lines
  give the branches' order. Every other line is a circuit of its branch, in order
  from the branch's foot. A branch is reverse return when each of its circuits
  gives its return section from it onwards: return_loss, or return_pipe_length_m,
  return_pipe_inner_diameter_mm (return_pipe_roughness_mm, return_pipe_zeta); its
  riser_loss or pipe is then the supply section alone. At most 1000 branches,
  10000 circuits a branch, 100000 in all, and 4096 bytes a line.

Output: an aligned table per branch (the index branch marked *) with its main
loss to the take-off, the pressure there, its requirement, its foot device and
setting, then the plant loss, the pump's duty point (total flow and pump head)
and the index branch, then each branch's circuits; with --out or --csv the same
as semicolon-separated lines; with --json one JSON object. Exit status 1 when a
branch lacks a foot device or a valve of its kind: the result is incomplete and
no pump head is given; and, with nothing written, for a figure beyond any
building's water circuit, as arvelo-size branch --help lists them. --out and
--svg are written both or neither; a device or pipe named is written into.)";

struct Arguments : BalanceArguments {
    BranchSettingTexts branch;
    std::string plantLoss = "0";
};

CommandLine commandLine(Arguments& args)
{
    CommandLine line{"Balances a system of branches on a main: each branch's requirement, its foot device and "
                     "setting, the pump's duty point and the index branch.",
                     "arvelo-size system",
                     kFooter,
                     {{"file", &args.files.input, "System file (semicolon-separated, with a header)", true},
                      {"--json", &args.json, "Print one JSON object"},
                      {"--csv", &args.csv, "Print semicolon-separated lines instead of the aligned tables"},
                      {"--out", &args.files.outFile, "Write the semicolon-separated results to this file"},
                      {"--svg", &args.files.svgFile, "Write the chart of the system as an SVG file"}}};
    for (const auto& options : {commandSettingOptions(args.setting), branchSettingOptions(args.branch)})
        line.options.insert(line.options.end(), options.begin(), options.end());
    line.options.push_back(
        {"--plant-loss", &args.plantLoss, "Loss of the plant (boiler or chiller, its valves), kPa (0)"});
    line.options.push_back({"--name", &args.branch.name, "Name of the system"});
    return line;
}

std::string checkedSettings(const Arguments& args, BranchSettings& branch, SystemSettings& system)
{
    if (std::string error = checkedBranchSettings(args.branch, branch); !error.empty())
        return error;
    if (std::string error =
            rangedNumber("--plant-loss", trimmedText(args.plantLoss), NumberRange::NotNegative, system.plantLoss);
        !error.empty())
        return error;
    system.name = branch.name;
    system.limits = branch.limits;
    return {};
}

bool hasPipes(const HydronicSystem& system)
{
    bool pipes = false;
    for (const SystemBranch& branch : system.branches) {
        pipes = pipes || branch.main.pipe.has_value();
        for (const BranchCircuit& circuit : branch.branch.circuits)
            pipes = pipes || circuit.pipe.has_value();
        for (const ReturnSection& back : branch.returns)
            pipes = pipes || back.pipe.has_value();
    }
    return pipes;
}

std::vector<std::pair<std::u16string, std::u16string>> summaryOf(const SystemResultTexts& texts)
{
    return {{texts.plantLossCaption, texts.plantLossValue},
            {texts.totalFlowCaption, texts.totalFlowValue},
            {texts.pumpHeadCaption, texts.pumpHeadValue},
            {texts.indexCaption, texts.indexValue}};
}

// A branch's heading above its circuits: "Branch: 2 B".
std::string branchHeading(const AppState& state, std::size_t j, const SystemBranch& branch)
{
    return TextTable::utf8(state.languageIndex, branch_text::kBranch) + ": " + std::to_string(j + 1) + " " +
           branch.branch.settings.name;
}

std::string alignedText(const AppState& state, const HydronicSystem& system, const SystemResult& result,
                        const SystemResultTexts& texts)
{
    const bool complete = texts.incomplete.empty();
    std::string out = alignedRows({texts.keys, texts.headers, texts.rows,
                                   {"number", "branch", "foot_device", "model", "nominal_size", "presetting",
                                    "setpoint", "foot_dp", "warnings"},
                                   complete ? std::optional<std::size_t>(texts.indexRow) : std::nullopt}) +
                      '\n';
    if (complete)
        for (const auto& [caption, value] : summaryOf(texts))
            out += utf16ToUtf8(caption) + ": " + utf16ToUtf8(value) + '\n';
    else
        out += utf16ToUtf8(texts.incomplete) + '\n';
    for (std::size_t j = 0; j < result.branches.size(); ++j) {
        const SystemBranch& branch = system.branches[j];
        out += '\n' + branchHeading(state, j, branch) + '\n' +
               branchAlignedRows(branchDesignTexts(state, branch.branch, result.branches[j].branch));
    }
    return out;
}

std::string tableText(const AppState& state, const HydronicSystem& system, const SystemResult& result,
                      const SystemResultTexts& texts)
{
    std::string out;
    const auto line = [&out](const std::vector<std::u16string>& cells) { out += semicolonLine(cells); };
    line(texts.headers);
    for (const auto& row : texts.rows)
        line(row);
    if (texts.incomplete.empty())
        for (const auto& [caption, value] : summaryOf(texts))
            line({caption, value});
    else
        line({texts.incomplete});
    for (std::size_t j = 0; j < result.branches.size(); ++j) {
        const SystemBranch& branch = system.branches[j];
        out += '\n';
        line({utf8ToUtf16(branchHeading(state, j, branch))});
        out += branchTableText(branchDesignTexts(state, branch.branch, result.branches[j].branch));
    }
    return out;
}

nlohmann::ordered_json productJson(const DpcvRow& row)
{
    return {{"model", row.model}, {"nominal_size", row.nominalSize}, {"material_number", row.technicalCode}};
}

// A section of pipe or typed loss: the flow it carries, the loss, and from
// a pipe its velocity, its figures and its Reynolds number and friction
// factor; flows and losses in the units in force.
nlohmann::ordered_json sectionJson(float flow, float loss, const std::optional<PipeSection>& pipe,
                                   const std::optional<SectionResult>& computed)
{
    nlohmann::ordered_json json{{"flow", jsonFigure(flow)}, {"loss", jsonFigure(loss)}, {"velocity", nullptr},
                                {"pipe", nullptr}};
    if (pipe && computed) {
        json["velocity"] = jsonFigure(computed->velocity);
        json["pipe"] = {{"length_m", jsonFigure(pipe->lengthM)},
                        {"inner_diameter_mm", jsonFigure(pipe->innerDiameterMm)},
                        {"roughness_mm", jsonFigure(pipe->roughnessMm)},
                        {"zeta", jsonFigure(pipe->zeta)},
                        {"reynolds", jsonFigure(computed->reynolds)},
                        {"friction_factor", jsonFigure(computed->frictionFactor)}};
    }
    return json;
}

// The main's sections from the pump, each to its branch's take-off and
// carrying the flow of the branches beyond it.
nlohmann::ordered_json mainSectionsJson(const HydronicSystem& system, const SystemResult& result)
{
    nlohmann::ordered_json sections = nlohmann::ordered_json::array();
    float beyond = 0.0f;
    std::vector<float> flows(result.branches.size());
    for (std::size_t j = result.branches.size(); j-- > 0;)
        flows[j] = beyond += result.branches[j].flow;
    for (std::size_t j = 0; j < result.branches.size() && j < system.branches.size(); ++j) {
        nlohmann::ordered_json section = sectionJson(flows[j], result.branches[j].mainLoss,
                                                     system.branches[j].main.pipe, result.branches[j].mainSection);
        section["branch"] = system.branches[j].branch.settings.name;
        sections.push_back(std::move(section));
    }
    return sections;
}

// A reverse-return branch's return sections, each from its circuit's
// return on, carrying the flow of the circuits up to it.
nlohmann::ordered_json returnSectionsJson(const SystemBranch& branch, const BranchResult& result)
{
    nlohmann::ordered_json sections = nlohmann::ordered_json::array();
    float upTo = 0.0f;
    for (std::size_t i = 0; i < branch.returns.size() && i < result.circuits.size(); ++i) {
        upTo += result.circuits[i].flow;
        sections.push_back(
            sectionJson(upTo, result.circuits[i].returnLoss, branch.returns[i].pipe, result.circuits[i].returnSection));
    }
    return sections;
}

// Numbers under the keys, the texts as shown beside them; each branch with
// its circuits as the branch command gives them.
nlohmann::ordered_json tableJson(const AppState& state, const HydronicSystem& system, const SystemResult& result,
                                 const SystemResultTexts& texts)
{
    const bool complete = result.complete;
    nlohmann::ordered_json json;
    json["name"] = system.settings.name;
    json["flow_unit"] = flowUnitLabel(state);
    json["pressure_unit"] = pressureUnitLabel(state);
    json["complete"] = complete;
    json["plant_loss"] = jsonFigure(texts.plantLoss);
    json["pump_head"] = complete ? jsonFigure(texts.pumpHead) : nlohmann::ordered_json(nullptr);
    json["pump_head_text"] = complete ? utf16ToUtf8(texts.pumpHeadValue) : std::string();
    json["total_flow"] = jsonFigure(texts.totalFlow);
    json["total_flow_text"] = utf16ToUtf8(texts.totalFlowValue);
    json["index_branch"] = complete ? nlohmann::ordered_json(result.indexBranch + 1) : nullptr;
    json["incomplete"] = utf16ToUtf8(texts.incomplete);
    json["headers"] = nlohmann::ordered_json::array();
    for (const auto& header : texts.headers)
        json["headers"].push_back(utf16ToUtf8(header));
    json["main_sections"] = mainSectionsJson(system, result);
    json["branches"] = nlohmann::ordered_json::array();
    for (std::size_t j = 0; j < texts.rows.size(); ++j) {
        const SystemBranchResult& branch = result.branches[j];
        nlohmann::ordered_json row = jsonRow(texts, j);
        row["surplus"] = branch.surplus;
        row["index"] = complete && j == result.indexBranch;
        row["reverse_return"] = !system.branches[j].returns.empty();
        row["return_sections"] = returnSectionsJson(system.branches[j], branch.branch);
        row["proposal"] = nullptr;
        if (branch.proposal) {
            row["proposal"] = {{"setpoint", branch.proposal->setpoint},
                               {"controller", branch.proposal->controller ? productJson(*branch.proposal->controller)
                                                                          : nlohmann::ordered_json(nullptr)}};
        }
        row["warning_list"] = nlohmann::ordered_json::array();
        for (const SystemWarning warning : branch.warnings)
            row["warning_list"].push_back(
                utf16ToUtf8(systemWarningText(state, warning, system.settings, branch)));
        const Branch& circuits = system.branches[j].branch;
        row["circuits"] = branchTableJson(state, circuits, branch.branch,
                                          branchDesignTexts(state, circuits, branch.branch))["circuits"];
        json["branches"].push_back(std::move(row));
    }
    return json;
}

// The balanced system; its results, texts and chart shared by the forms.
BalancedOutputs balanced(const AppState& state, ProductDb& db, const HydronicSystem& system)
{
    const auto result = std::make_shared<const SystemResult>(balanceSystem(state, db, system));
    const auto texts = std::make_shared<const SystemResultTexts>(systemResultTexts(state, system, *result));
    return {implausibleSystemResult(state, system, *result), utf16ToUtf8(texts->incomplete),
            [&state, &system, result, texts] { return tableJson(state, system, *result, *texts); },
            [&state, &system, result, texts] { return tableText(state, system, *result, *texts); },
            [&state, &system, result, texts] { return alignedText(state, system, *result, *texts); },
            [&state, &system, result] { return systemChartSvg(state, system, *result); }};
}

} // namespace

int runSystemCommand(int argc, char** argv)
{
    Arguments args;
    BranchSettings branchSettings;
    HydronicSystem system;
    const BalanceCommand command{
        "system", "system file", "riser_loss and return_loss", commandLine(args), args,
        [&] { return checkedSettings(args, branchSettings, system.settings); },
        [&](std::istream& in, const AppState& state) { return readSystem(in, state, branchSettings, system); },
        [&] { return implausibleSystemInput(system); },
        [&] { return hasPipes(system); },
        [&] { return system.settings.limits.fluidTemperature; },
        [&](const AppState& state, ProductDb& db) { return balanced(state, db, system); }};
    return runBalanceCommand(command, argc, argv);
}
