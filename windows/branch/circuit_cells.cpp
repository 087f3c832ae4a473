#include "windows/branch/circuit_cells.h"

#include "app/unit_conversion.h"
#include "branch/branch_result_texts.h"
#include "data/number_text.h"
#include "data/text_format.h"
#include "db/project_row.h"
#include "windows/common/cell_number.h"

#include <optional>

namespace {

std::u16string numberText(float value)
{
    return utf8ToUtf16(formatCommaDecimal(value));
}

// The pipe columns, each with its field and its value when emptied.
struct PipeColumn {
    int column;
    float PipeSection::*field;
};
constexpr PipeColumn kPipeColumns[] = {
    {circuit_column::kPipeLength, &PipeSection::lengthM},
    {circuit_column::kInnerDiameter, &PipeSection::innerDiameterMm},
    {circuit_column::kRoughness, &PipeSection::roughnessMm},
    {circuit_column::kZeta, &PipeSection::zeta},
};

bool isDefault(const PipeSection& pipe)
{
    const PipeSection none;
    for (const PipeColumn& column : kPipeColumns)
        if (pipe.*column.field != none.*column.field)
            return false;
    return true;
}

CellEdit applyPipeCell(BranchCircuit& circuit, float PipeSection::*field, const std::u16string& cell)
{
    PipeSection pipe = circuit.pipe.value_or(PipeSection{});
    if (cell.empty()) {
        pipe.*field = PipeSection{}.*field;
        circuit.pipe = isDefault(pipe) ? std::nullopt : std::optional<PipeSection>(pipe);
        return CellEdit::Applied;
    }
    const std::optional<float> value = cellNumber(cell);
    if (!value)
        return CellEdit::NotRead;
    // A typed riser loss of 0 is no riser loss: the section may take its place.
    if (!circuit.pipe && circuit.riserLoss != 0.0f)
        return CellEdit::RiserAndPipe;
    pipe.*field = *value;
    circuit.pipe = pipe;
    return CellEdit::Applied;
}

} // namespace

std::vector<std::u16string> circuitCells(const AppState& state, const BranchCircuit& circuit)
{
    std::vector<std::u16string> cells{utf8ToUtf16(circuit.designation),
                                      numberText(flowFromBase(state, circuit.flow).value_or(0.0f)),
                                      numberText(pressureFromBase(state, circuit.circuitLoss)),
                                      circuit.pipe ? u"" : numberText(pressureFromBase(state, circuit.riserLoss)),
                                      valveKindName(state.languageIndex, circuit.kind)};
    for (const PipeColumn& column : kPipeColumns)
        cells.push_back(circuit.pipe ? numberText(*circuit.pipe.*column.field) : u"");
    cells.push_back(circuit.controlValveKvs ? numberText(*circuit.controlValveKvs) : u"");
    return cells;
}

CellEdit applyCircuitCell(const AppState& state, BranchCircuit& circuit, int column, const std::u16string& cell)
{
    if (column == circuit_column::kDesignation) {
        ProjectRow fitted; // a designation fits the valve list's field
        fitted.riferimento = utf16ToUtf8(cell);
        circuit.designation = fittedToFields(fitted).riferimento;
        return CellEdit::Applied;
    }
    if (column == circuit_column::kKind) {
        for (const BranchValveKind kind : kCircuitKinds)
            if (cell == valveKindName(state.languageIndex, kind)) {
                circuit.kind = kind;
                return CellEdit::Applied;
            }
        return CellEdit::NotRead;
    }
    for (const PipeColumn& pipe : kPipeColumns)
        if (column == pipe.column)
            return applyPipeCell(circuit, pipe.field, cell);
    if (cell.empty() && column == circuit_column::kRiserLoss) {
        circuit.riserLoss = 0.0f;
        return CellEdit::Applied;
    }
    if (cell.empty() && column == circuit_column::kControlValveKvs) {
        circuit.controlValveKvs.reset();
        return CellEdit::Applied;
    }
    const std::optional<float> value = cellNumber(cell);
    if (!value)
        return CellEdit::NotRead;
    switch (column) {
    case circuit_column::kFlow: {
        const std::optional<float> base = flowToBase(state, *value);
        if (!base)
            return CellEdit::NotRead;
        circuit.flow = *base;
        break;
    }
    case circuit_column::kCircuitLoss: circuit.circuitLoss = pressureToBase(state, *value); break;
    case circuit_column::kRiserLoss:
        if (circuit.pipe)
            return CellEdit::RiserAndPipe;
        circuit.riserLoss = pressureToBase(state, *value);
        break;
    case circuit_column::kControlValveKvs:
        if (!(*value > 0.0f))
            return CellEdit::NotRead;
        circuit.controlValveKvs = *value;
        break;
    default: return CellEdit::NotRead;
    }
    return CellEdit::Applied;
}
