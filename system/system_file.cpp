#include "system/system_file.h"

#include "branch/cell_word.h"
#include "branch/circuit_row.h"
#include "branch/circuits_file.h"
#include "branch/csv_lines.h"
#include "data/argument_text.h"

#include <array>
#include <map>
#include <optional>

namespace {

std::vector<const char*> joined(std::vector<const char*> a, const std::vector<const char*>& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// Built at first use: the circuit columns they extend belong to another
// library, whose objects may not be made yet while this one's are.
const std::vector<const char*>& requiredColumns()
{
    static const std::vector<const char*> columns = joined(kCircuitColumns, {"branch"});
    return columns;
}

const std::vector<const char*>& optionalColumns()
{
    static const std::vector<const char*> columns =
        joined(kCircuitOptionalColumns, {"foot", "return_loss", "return_pipe_length_m",
                                         "return_pipe_inner_diameter_mm", "return_pipe_roughness_mm",
                                         "return_pipe_zeta"});
    return columns;
}

// Cells a main line leaves empty: they belong to circuits.
constexpr std::array<const char*, 7> kCircuitOnly{"flow",        "circuit_loss", "power",
                                                  "control_valve_kvs", "return_loss", "return_pipe_length_m",
                                                  "return_pipe_inner_diameter_mm"};

constexpr std::array<CellWord<FootDevice>, 5> kFeet{{
    {"", FootDevice::None},
    {"none", FootDevice::None},
    {"fixed", FootDevice::FixedOrificeValve},
    {"variable", FootDevice::VariableOrificeValve},
    {"controller", FootDevice::Controller},
}};

// A branch as its lines come: its main line (if read yet) and its circuits
// with their return sections.
struct PendingBranch {
    std::string name; // as first spelled: names are one branch whatever their case
    std::optional<std::size_t> mainLine;
    MainSection main;
    FootDevice foot = FootDevice::None;
    std::vector<BranchCircuit> circuits;
    std::vector<std::optional<ReturnSection>> returns;
    std::vector<std::size_t> lines;
};

std::string mainOf(const CsvLine& line, const AppState& state, PendingBranch& branch)
{
    for (const char* column : kCircuitOnly)
        if (!line[column].empty())
            return std::string("a main line has no ") + column + "; it belongs to a circuit line";
    if (std::string error =
            lossOrPipeOf(line, state, "riser_loss", "pipe_", "a pipe section", branch.main.loss, branch.main.pipe);
        !error.empty())
        return error;
    if (!branch.main.pipe && line["riser_loss"].empty())
        return "a main line needs riser_loss or a pipe section (pipe_length_m, pipe_inner_diameter_mm)";
    return cellWord(line, "foot", kFeet, branch.foot);
}

std::string returnOf(const CsvLine& line, const AppState& state, std::optional<ReturnSection>& section)
{
    ReturnSection back;
    if (std::string error =
            lossOrPipeOf(line, state, "return_loss", "return_pipe_", "a return pipe", back.loss, back.pipe);
        !error.empty())
        return error;
    if (back.pipe || !line["return_loss"].empty())
        section = back;
    return {};
}

std::string lineOf(const CsvLine& line, std::size_t lineNumber, const AppState& state,
                   std::map<std::string, PendingBranch>& branches, std::vector<std::string>& mainOrder,
                   std::size_t& circuits)
{
    if (line["branch"].empty())
        return "the branch cell is empty; name the line's branch";
    const std::string key = caseKey(line["branch"]);
    PendingBranch& branch = branches[key];
    if (branch.name.empty())
        branch.name = line["branch"];
    const std::string& name = branch.name;
    if (equalsIgnoringCase(line["kind"], "main")) {
        if (branch.mainLine)
            return "branch '" + name + "' has a main line already (line " + std::to_string(*branch.mainLine) + ")";
        if (mainOrder.size() == kMaxSystemBranches)
            return "more than " + std::to_string(kMaxSystemBranches) + " branches; split the system";
        branch.mainLine = lineNumber;
        mainOrder.push_back(key);
        return mainOf(line, state, branch);
    }
    if (!line["foot"].empty())
        return "foot '" + line["foot"] + "' belongs to the branch's main line";
    if (circuits == kMaxSystemCircuits)
        return "more than " + std::to_string(kMaxSystemCircuits) + " circuits; split the system";
    if (branch.circuits.size() == kMaxBranchCircuits)
        return "more than " + std::to_string(kMaxBranchCircuits) + " circuits in branch '" + name + "'; split it";
    BranchCircuit circuit;
    if (std::string error = circuitOf(line, state, circuit); !error.empty())
        return error;
    std::optional<ReturnSection> back;
    if (std::string error = returnOf(line, state, back); !error.empty())
        return error;
    branch.circuits.push_back(std::move(circuit));
    branch.returns.push_back(back);
    branch.lines.push_back(lineNumber);
    ++circuits;
    return {};
}

// The branches in the main's order, each whole: a main line and circuits,
// returns for all its circuits or for none.
std::string assembled(std::map<std::string, PendingBranch>& branches, const std::vector<std::string>& mainOrder,
                      const BranchSettings& settings, HydronicSystem& system)
{
    for (const auto& [key, branch] : branches) {
        const std::string& name = branch.name;
        if (!branch.mainLine)
            return "branch '" + name + "' has no main line (kind main) giving its place on the main";
        if (branch.circuits.empty())
            return "branch '" + name + "' (line " + std::to_string(*branch.mainLine) + ") has no circuits";
        const bool reverse = branch.returns.front().has_value();
        for (std::size_t i = 0; i < branch.returns.size(); ++i)
            if (branch.returns[i].has_value() != reverse)
                return "line " + std::to_string(branch.lines[i]) + ": branch '" + name +
                       "' is reverse return only if every circuit gives its return (return_loss or a return pipe)";
    }
    for (const std::string& key : mainOrder) {
        PendingBranch& pending = branches[key];
        SystemBranch branch;
        branch.branch.settings = settings;
        branch.branch.settings.name = pending.name;
        branch.branch.circuits = std::move(pending.circuits);
        branch.main = pending.main;
        branch.foot = pending.foot;
        for (const std::optional<ReturnSection>& back : pending.returns)
            if (back)
                branch.returns.push_back(*back);
        system.branches.push_back(std::move(branch));
    }
    return {};
}

} // namespace

std::string readSystem(std::istream& in, const AppState& state, const BranchSettings& settings,
                       HydronicSystem& system)
{
    system.branches.clear();
    std::map<std::string, PendingBranch> branches;
    std::vector<std::string> mainOrder;
    std::size_t circuits = 0;
    std::string error =
        readCsvLines(in, requiredColumns(), optionalColumns(), "a system line", [&](const CsvLine& line, std::size_t lineNumber) {
            return lineOf(line, lineNumber, state, branches, mainOrder, circuits);
        });
    if (error.empty() && branches.empty())
        error = "no lines below the header";
    if (error.empty())
        error = assembled(branches, mainOrder, settings, system);
    if (!error.empty())
        system.branches.clear();
    return error;
}
