#include "branch/circuits_file.h"

#include "app/unit_conversion.h"
#include "data/argument_text.h"
#include "data/bounded_line.h"
#include "data/csv_fields.h"
#include "data/ranged_number.h"
#include "data/csv_cell.h"
#include "data/number_text.h"
#include "sizing/flow_from_power.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <map>
#include <optional>
#include <sstream>

namespace {

constexpr std::array<const char*, 6> kRequired{"designation", "flow",          "flow_unit",
                                               "circuit_loss", "pressure_unit", "kind"};
constexpr std::array<const char*, 10> kOptional{"riser_loss",       "power",
                                                "power_unit",       "supply",
                                                "return",           "pipe_length_m",
                                                "pipe_inner_diameter_mm", "pipe_roughness_mm",
                                                "pipe_zeta",        "control_valve_kvs"};

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

// Position of a label in a unit table, in any case; the unit in force for "".
std::optional<std::uint8_t> unitIndex(const std::vector<UnitEntry>& units, const std::string& label,
                                      std::uint8_t inForce)
{
    if (label.empty())
        return inForce;
    for (std::size_t i = 0; i < units.size(); ++i)
        if (equalsIgnoringCase(units[i].label, label))
            return static_cast<std::uint8_t>(i);
    return std::nullopt;
}

std::string number(const Line& line, const char* column, NumberRange range, float& value)
{
    return rangedNumber(column, line[column], range, value);
}

// The riser section of a row: none where its length and diameter are both
// empty; roughness and fittings without them name the missing one.
std::string pipeOf(const Line& line, std::optional<PipeSection>& pipe)
{
    const bool any = !line["pipe_length_m"].empty() || !line["pipe_inner_diameter_mm"].empty() ||
                     !line["pipe_roughness_mm"].empty() || !line["pipe_zeta"].empty();
    if (!any)
        return {};
    PipeSection section;
    for (auto [column, value] :
         {std::pair{"pipe_length_m", &section.lengthM}, {"pipe_inner_diameter_mm", &section.innerDiameterMm}}) {
        if (line[column].empty())
            return std::string("a pipe section needs ") + column;
        if (std::string error = number(line, column, NumberRange::Positive, *value); !error.empty())
            return error;
    }
    for (auto [column, value] :
         {std::pair{"pipe_roughness_mm", &section.roughnessMm}, {"pipe_zeta", &section.zeta}})
        if (!line[column].empty())
            if (std::string error = number(line, column, NumberRange::NotNegative, *value); !error.empty())
                return error;
    if (section.roughnessMm * 2.0f >= section.innerDiameterMm)
        return "pipe_roughness_mm '" + line["pipe_roughness_mm"] + "' is not below half the inner diameter";
    pipe = section;
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
        if (std::string error = number(line, "flow", NumberRange::Positive, flow); !error.empty())
            return error;
    } else {
        const auto powerUnit = unitIndex(state.powerUnits, line["power_unit"], state.powerUnitIndex);
        if (!powerUnit)
            return "unknown power unit '" + line["power_unit"] + "'";
        unitState.powerUnitIndex = *powerUnit;
        float power = 0.0f, supply = 0.0f, back = 0.0f;
        if (std::string error = number(line, "power", NumberRange::Positive, power); !error.empty())
            return error;
        for (auto [column, value] : {std::pair{"supply", &supply}, {"return", &back}})
            if (std::string error = number(line, column, NumberRange::Any, *value); !error.empty())
                return error;
        const float difference = temperatureDifferenceKelvin(unitState, supply, back);
        if (!(difference > 0.0f))
            return "no flow from the power: supply '" + line["supply"] + "' and return '" + line["return"] +
                   "' must differ";
        const auto fromPower = flowFromPower(unitState, powerToBase(unitState, power), difference);
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
    if (std::string error = number(line, "circuit_loss", NumberRange::NotNegative, circuit.circuitLoss);
        !error.empty())
        return error;
    circuit.circuitLoss = toBase(circuit.circuitLoss, factor);
    if (std::string error = pipeOf(line, circuit.pipe); !error.empty())
        return error;
    if (circuit.pipe && !line["riser_loss"].empty())
        return "riser_loss '" + line["riser_loss"] + "' and a pipe section are both given; keep one";
    if (!circuit.pipe) {
        if (line["riser_loss"].empty())
            return "riser_loss is empty and no pipe section (pipe_length_m, pipe_inner_diameter_mm) is given";
        if (std::string error = number(line, "riser_loss", NumberRange::NotNegative, circuit.riserLoss);
            !error.empty())
            return error;
        circuit.riserLoss = toBase(circuit.riserLoss, factor);
    }
    if (!line["control_valve_kvs"].empty()) {
        float kvs = 0.0f;
        if (std::string error = number(line, "control_valve_kvs", NumberRange::Positive, kvs); !error.empty())
            return error;
        circuit.controlValveKvs = kvs;
    }
    for (const KindWord& kind : kKinds)
        if (equalsIgnoringCase(line["kind"], kind.word)) {
            circuit.kind = kind.kind;
            return {};
        }
    return "kind '" + line["kind"] + "' is not one of fixed, variable, picv";
}

std::vector<std::string> trimmedCells(const std::string& text)
{
    std::vector<std::string> cells = splitCsvLine(text);
    for (std::string& cell : cells)
        cell = trimmedText(cell);
    return cells;
}

// The canonical spelling of a column name typed in any case; the name as
// typed when it is none of them.
std::string columnName(const std::string& typed)
{
    for (const char* name : kRequired)
        if (equalsIgnoringCase(typed, name))
            return name;
    for (const char* name : kOptional)
        if (equalsIgnoringCase(typed, name))
            return name;
    return typed;
}

std::string headerColumns(const std::string& header, std::map<std::string, std::size_t>& columns)
{
    if (header.find(';') == std::string::npos && header.find(',') != std::string::npos)
        return "the header has no semicolon; the cells are separated by semicolons, not commas";
    const std::vector<std::string> names = trimmedCells(header);
    for (std::size_t i = 0; i < names.size(); ++i)
        if (!columns.emplace(columnName(names[i]), i).second)
            return "the column " + names[i] + " appears twice in the header";
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

} // namespace

std::string readBranchCircuits(std::istream& in, const AppState& state, Branch& branch)
{
    branch.circuits.clear();
    const std::string tooLong =
        "longer than " + std::to_string(kMaxLineBytes) + " bytes; a circuit line is far shorter";
    std::string text;
    const LineRead header = readBoundedLine(in, text, false);
    if (header == LineRead::End)
        return "the file is empty (a header line is needed)";
    if (header == LineRead::TooLong)
        return "line 1: " + tooLong;
    if (text.rfind("\xEF\xBB\xBF", 0) == 0)
        text.erase(0, 3);
    std::map<std::string, std::size_t> columns;
    if (std::string error = headerColumns(text, columns); !error.empty())
        return "line 1: " + error;
    std::string error;
    for (std::size_t lineNumber = 2; error.empty(); ++lineNumber) {
        const LineRead read = readBoundedLine(in, text, false);
        if (read == LineRead::End)
            break;
        const std::string where = "line " + std::to_string(lineNumber) + ": ";
        if (read == LineRead::TooLong) {
            error = where + tooLong;
            break;
        }
        if (trimmedText(text).empty())
            continue;
        if (branch.circuits.size() == kMaxBranchCircuits) {
            error = where + "more than " + std::to_string(kMaxBranchCircuits) + " circuits; split the branch";
            break;
        }
        std::vector<std::string> cells = trimmedCells(text);
        if (cells.size() > columns.size()) {
            error = where + std::to_string(cells.size()) + " cells, but the header names " +
                    std::to_string(columns.size()) + " columns";
            break;
        }
        BranchCircuit circuit;
        if (std::string fault = circuitOf(Line(columns, std::move(cells)), state, circuit); !fault.empty())
            error = where + fault;
        else
            branch.circuits.push_back(std::move(circuit));
    }
    if (error.empty() && in.bad())
        error = "reading the file failed";
    if (error.empty() && branch.circuits.empty())
        error = "no circuits below the header";
    if (!error.empty())
        branch.circuits.clear();
    return error;
}

namespace {

// The shortest decimal that reads back as the same float, with a comma.
std::string fileNumber(float value)
{
    std::string text;
    for (int digits = 6; digits <= 9; ++digits) {
        std::ostringstream out;
        out.imbue(std::locale::classic());
        out.precision(digits);
        out << value;
        text = out.str();
        if (std::stof(text) == value)
            break;
    }
    std::replace(text.begin(), text.end(), '.', ',');
    return text;
}

std::string kindWord(BranchValveKind kind)
{
    for (const KindWord& word : kKinds)
        if (word.kind == kind)
            return word.word;
    return kKinds.front().word;
}

} // namespace

std::string branchCircuitsFile(const Branch& branch)
{
    std::string file = "designation;flow;flow_unit;circuit_loss;pressure_unit;kind;riser_loss;pipe_length_m;"
                       "pipe_inner_diameter_mm;pipe_roughness_mm;pipe_zeta;control_valve_kvs\n";
    for (const BranchCircuit& circuit : branch.circuits) {
        file += csvCell(circuit.designation) + ';' + fileNumber(circuit.flow) + ";l/s;" +
                fileNumber(circuit.circuitLoss) + ";kPa;" + kindWord(circuit.kind) + ';';
        if (circuit.pipe)
            file += ';' + fileNumber(circuit.pipe->lengthM) + ';' + fileNumber(circuit.pipe->innerDiameterMm) + ';' +
                    fileNumber(circuit.pipe->roughnessMm) + ';' + fileNumber(circuit.pipe->zeta) + ';';
        else
            file += fileNumber(circuit.riserLoss) + ";;;;;";
        if (circuit.controlValveKvs)
            file += fileNumber(*circuit.controlValveKvs);
        file += '\n';
    }
    return file;
}
