#include "branch/circuit_row.h"

#include "app/unit_conversion.h"
#include "branch/cell_word.h"
#include "data/argument_text.h"
#include "data/csv_fields.h"
#include "sizing/flow_from_power.h"

#include <array>
#include <utility>

const std::vector<const char*> kCircuitColumns{"designation", "flow", "flow_unit", "circuit_loss", "pressure_unit",
                                               "kind"};
const std::vector<const char*> kCircuitOptionalColumns{
    "riser_loss",    "power",          "power_unit", "supply", "return", "pipe_length_m", "pipe_inner_diameter_mm",
    "pipe_roughness_mm", "pipe_zeta", "control_valve_kvs"};

namespace {

constexpr std::array<CellWord<BranchValveKind>, 3> kKinds{{
    {"fixed", BranchValveKind::FixedOrifice},
    {"variable", BranchValveKind::VariableOrifice},
    {"picv", BranchValveKind::PressureIndependent},
}};

// The flow of a row in l/s: typed in its unit, or from its power.
std::string flowOf(const CsvLine& line, const AppState& state, float& litresPerSecond)
{
    AppState unitState = state;
    const auto flowUnit = unitIndex(state.engine.flowUnits, line["flow_unit"], state.engine.flowUnitIndex);
    if (!flowUnit)
        return "unknown flow unit '" + line["flow_unit"] + "'";
    unitState.engine.flowUnitIndex = *flowUnit;
    float flow = 0.0f;
    if (!line["flow"].empty() || line["power"].empty()) {
        if (std::string error = cellNumber(line, "flow", NumberRange::Positive, flow); !error.empty())
            return error;
    } else {
        const auto powerUnit = unitIndex(state.engine.powerUnits, line["power_unit"], state.engine.powerUnitIndex);
        if (!powerUnit)
            return "unknown power unit '" + line["power_unit"] + "'";
        unitState.engine.powerUnitIndex = *powerUnit;
        float power = 0.0f, supply = 0.0f, back = 0.0f;
        if (std::string error = cellNumber(line, "power", NumberRange::Positive, power); !error.empty())
            return error;
        for (auto [column, value] : {std::pair{"supply", &supply}, {"return", &back}})
            if (std::string error = cellNumber(line, column, NumberRange::Any, *value); !error.empty())
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

// The canonical spelling of a column name typed in any case; the name as
// typed when it is none of them.
std::string columnName(const std::string& typed, const std::vector<const char*>& required,
                       const std::vector<const char*>& optional)
{
    for (const auto* names : {&required, &optional})
        for (const char* name : *names)
            if (equalsIgnoringCase(typed, name))
                return name;
    return typed;
}

} // namespace

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

std::string cellNumber(const CsvLine& line, const std::string& column, NumberRange range, float& value)
{
    return rangedNumber(column, line[column], range, value);
}

std::string pipeSectionOf(const CsvLine& line, const std::string& prefix, std::optional<PipeSection>& pipe)
{
    const std::string length = prefix + "length_m", diameter = prefix + "inner_diameter_mm",
                      roughness = prefix + "roughness_mm", zeta = prefix + "zeta";
    const bool any = !line[length].empty() || !line[diameter].empty() || !line[roughness].empty() ||
                     !line[zeta].empty();
    if (!any)
        return {};
    PipeSection section;
    for (auto [column, value] : {std::pair{&length, &section.lengthM}, {&diameter, &section.innerDiameterMm}}) {
        if (line[*column].empty())
            return "a pipe section needs " + *column;
        if (std::string error = cellNumber(line, *column, NumberRange::Positive, *value); !error.empty())
            return error;
    }
    for (auto [column, value] : {std::pair{&roughness, &section.roughnessMm}, {&zeta, &section.zeta}})
        if (!line[*column].empty())
            if (std::string error = cellNumber(line, *column, NumberRange::NotNegative, *value); !error.empty())
                return error;
    if (section.roughnessMm * 2.0f >= section.innerDiameterMm)
        return roughness + " '" + line[roughness] + "' is not below half the inner diameter";
    pipe = section;
    return {};
}

std::string lossOf(const CsvLine& line, const AppState& state, const std::string& column, float& kilopascal)
{
    const auto unit = unitIndex(state.engine.pressureUnits, line["pressure_unit"], state.engine.pressureUnitIndex);
    if (!unit)
        return "unknown pressure unit '" + line["pressure_unit"] + "'";
    if (std::string error = cellNumber(line, column, NumberRange::NotNegative, kilopascal); !error.empty())
        return error;
    kilopascal = toBase(kilopascal, state.engine.pressureUnits[*unit].factor);
    return {};
}

std::string lossOrPipeOf(const CsvLine& line, const AppState& state, const std::string& lossColumn,
                         const std::string& pipePrefix, const std::string& pipeName, float& loss,
                         std::optional<PipeSection>& pipe)
{
    if (std::string error = pipeSectionOf(line, pipePrefix, pipe); !error.empty())
        return error;
    if (pipe && !line[lossColumn].empty())
        return lossColumn + " '" + line[lossColumn] + "' and " + pipeName + " are both given; keep one";
    if (pipe || line[lossColumn].empty())
        return {};
    return lossOf(line, state, lossColumn, loss);
}

std::string circuitOf(const CsvLine& line, const AppState& state, BranchCircuit& circuit)
{
    circuit.designation = line["designation"];
    if (std::string error = flowOf(line, state, circuit.flow); !error.empty())
        return error;
    if (std::string error = lossOf(line, state, "circuit_loss", circuit.circuitLoss); !error.empty())
        return error;
    if (std::string error =
            lossOrPipeOf(line, state, "riser_loss", "pipe_", "a pipe section", circuit.riserLoss, circuit.pipe);
        !error.empty())
        return error;
    if (!circuit.pipe && line["riser_loss"].empty())
        return "riser_loss is empty and no pipe section (pipe_length_m, pipe_inner_diameter_mm) is given";
    if (!line["control_valve_kvs"].empty()) {
        float kvs = 0.0f;
        if (std::string error = cellNumber(line, "control_valve_kvs", NumberRange::Positive, kvs); !error.empty())
            return error;
        circuit.controlValveKvs = kvs;
    }
    return cellWord(line, "kind", kKinds, circuit.kind);
}

std::vector<std::string> trimmedCells(const std::string& text)
{
    std::vector<std::string> cells = splitCsvLine(text);
    for (std::string& cell : cells)
        cell = trimmedText(cell);
    return cells;
}

std::string headerColumns(const std::string& header, const std::vector<const char*>& required,
                          const std::vector<const char*>& optional, std::map<std::string, std::size_t>& columns)
{
    if (header.find(';') == std::string::npos && header.find('\t') != std::string::npos)
        return "the header has no semicolon; the cells are separated by semicolons, not tabs";
    if (header.find(';') == std::string::npos && header.find(',') != std::string::npos)
        return "the header has no semicolon; the cells are separated by semicolons, not commas";
    const std::vector<std::string> names = trimmedCells(header);
    for (std::size_t i = 0; i < names.size(); ++i)
        if (!columns.emplace(columnName(names[i], required, optional), i).second)
            return "the column " + names[i] + " appears twice in the header";
    for (const char* name : required)
        if (!columns.count(name))
            return std::string("the header lacks the column ") + name;
    for (const auto& [name, index] : columns) {
        bool known = false;
        for (const auto* names : {&required, &optional})
            for (const char* allowed : *names)
                known = known || name == allowed;
        if (!known)
            return "unknown column '" + name + "' in the header";
    }
    return {};
}

std::string kindWord(BranchValveKind kind)
{
    for (const CellWord<BranchValveKind>& word : kKinds)
        if (word.value == kind)
            return word.word;
    return kKinds.front().word;
}
