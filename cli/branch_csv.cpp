#include "cli/branch_csv.h"

#include "app/unit_conversion.h"
#include "cli/argument_text.h"
#include "cli/csv_fields.h"
#include "data/number_text.h"
#include "sizing/flow_from_power.h"

#include <array>
#include <cmath>
#include <map>
#include <optional>

namespace {

constexpr std::array<const char*, 7> kRequired{"designation",  "flow",          "flow_unit", "circuit_loss",
                                               "riser_loss",   "pressure_unit", "kind"};
constexpr std::array<const char*, 4> kOptional{"power", "power_unit", "supply", "return"};

struct KindWord {
    const char* word;
    BranchValveKind kind;
};
constexpr std::array<KindWord, 3> kKinds{{
    {"fixed", BranchValveKind::FixedOrifice},
    {"variable", BranchValveKind::VariableOrifice},
    {"picv", BranchValveKind::PressureIndependent},
}};

// The cells of one line by column name; columns the header lacks read empty.
class Line {
public:
    Line(const std::map<std::string, std::size_t>& columns, std::vector<std::string> cells)
        : columns_(columns), cells_(std::move(cells))
    {
    }
    std::string operator[](const char* name) const
    {
        const auto column = columns_.find(name);
        return column != columns_.end() && column->second < cells_.size() ? cells_[column->second] : std::string();
    }

private:
    const std::map<std::string, std::size_t>& columns_;
    std::vector<std::string> cells_;
};

// Position of a label in a unit table (exact spelling); the unit in force for "".
std::optional<std::uint8_t> unitIndex(const std::vector<UnitEntry>& units, const std::string& label,
                                      std::uint8_t inForce)
{
    if (label.empty())
        return inForce;
    for (std::size_t i = 0; i < units.size(); ++i)
        if (units[i].label == label)
            return static_cast<std::uint8_t>(i);
    return std::nullopt;
}

std::string number(const Line& line, const char* column, float& value)
{
    const std::string text = line[column];
    if (!isNumberText(text))
        return std::string(column) + " '" + text + "' is not a number";
    value = parseCommaDecimal(text);
    if (!std::isfinite(value))
        return std::string(column) + " '" + text + "' is too large";
    return {};
}

// The flow of a row in l/s: typed in its unit, or from its power.
std::string flowOf(const Line& line, const AppState& state, float& litresPerSecond)
{
    AppState unitState = state;
    const auto flowUnit = unitIndex(state.flowUnits, line["flow_unit"], state.flowUnitIndex);
    if (!flowUnit)
        return "unknown flow unit '" + line["flow_unit"] + "'";
    unitState.flowUnitIndex = *flowUnit;
    float flow = 0.0f;
    if (!line["flow"].empty() || line["power"].empty()) {
        if (std::string error = number(line, "flow", flow); !error.empty())
            return error;
    } else {
        const auto powerUnit = unitIndex(state.powerUnits, line["power_unit"], state.powerUnitIndex);
        if (!powerUnit)
            return "unknown power unit '" + line["power_unit"] + "'";
        unitState.powerUnitIndex = *powerUnit;
        float power = 0.0f, supply = 0.0f, back = 0.0f;
        for (auto [column, value] : {std::pair{"power", &power}, {"supply", &supply}, {"return", &back}})
            if (std::string error = number(line, column, *value); !error.empty())
                return error;
        const auto fromPower = flowFromPower(unitState, powerToBase(unitState, power),
                                             temperatureDifferenceKelvin(unitState, supply, back));
        if (!fromPower)
            return "no flow from the power: the fluid has no usable density or specific heat";
        flow = *fromPower;
    }
    const auto base = flowToBase(unitState, flow);
    if (!base)
        return "the flow unit needs a fluid density";
    litresPerSecond = *base;
    return {};
}

std::string circuitOf(const Line& line, const AppState& state, BranchCircuit& circuit)
{
    circuit.designation = line["designation"];
    if (std::string error = flowOf(line, state, circuit.flow); !error.empty())
        return error;
    const auto pressureUnit = unitIndex(state.pressureUnits, line["pressure_unit"], state.pressureUnitIndex);
    if (!pressureUnit)
        return "unknown pressure unit '" + line["pressure_unit"] + "'";
    const float factor = state.pressureUnits[*pressureUnit].factor;
    for (auto [column, value] : {std::pair{"circuit_loss", &circuit.circuitLoss}, {"riser_loss", &circuit.riserLoss}}) {
        if (std::string error = number(line, column, *value); !error.empty())
            return error;
        *value = toBase(*value, factor);
    }
    for (const KindWord& kind : kKinds)
        if (line["kind"] == kind.word) {
            circuit.kind = kind.kind;
            return {};
        }
    return "kind '" + line["kind"] + "' is not one of fixed, variable, picv";
}

std::string headerColumns(const std::string& header, std::map<std::string, std::size_t>& columns)
{
    const std::vector<std::string> names = splitCsvLine(header);
    for (std::size_t i = 0; i < names.size(); ++i)
        columns.emplace(names[i], i);
    for (const char* name : kRequired)
        if (!columns.count(name))
            return std::string("the header lacks the column ") + name;
    for (const auto& [name, index] : columns) {
        bool known = false;
        for (const char* allowed : kRequired)
            known = known || name == allowed;
        for (const char* allowed : kOptional)
            known = known || name == allowed;
        if (!known)
            return "unknown column '" + name + "' in the header";
    }
    return {};
}

std::string withoutLineEnd(std::string line)
{
    if (!line.empty() && line.back() == '\r')
        line.pop_back();
    return line;
}

} // namespace

std::string readBranchCircuits(std::istream& in, const AppState& state, Branch& branch)
{
    branch.circuits.clear();
    std::string text;
    if (!std::getline(in, text))
        return "the file is empty (a header line is needed)";
    text = withoutLineEnd(text);
    if (text.rfind("\xEF\xBB\xBF", 0) == 0)
        text.erase(0, 3);
    std::map<std::string, std::size_t> columns;
    if (std::string error = headerColumns(text, columns); !error.empty())
        return "line 1: " + error;
    for (int lineNumber = 2; std::getline(in, text); ++lineNumber) {
        text = withoutLineEnd(text);
        if (text.empty())
            continue;
        BranchCircuit circuit;
        if (std::string error = circuitOf(Line(columns, splitCsvLine(text)), state, circuit); !error.empty()) {
            branch.circuits.clear();
            return "line " + std::to_string(lineNumber) + ": " + error;
        }
        branch.circuits.push_back(std::move(circuit));
    }
    if (branch.circuits.empty())
        return "no circuits below the header";
    return {};
}
