#include "windows/branch/circuit_cells.h"

#include "app/unit_conversion.h"
#include "branch/branch_result_texts.h"
#include "data/text_format.h"
#include "db/project_row.h"
#include "windows/common/cell_number.h"


std::vector<std::u16string> circuitCells(const AppState& state, const BranchCircuit& circuit)
{
    std::vector<std::u16string> cells{utf8ToUtf16(circuit.designation),
                                      numberCell(flowFromBase(state, circuit.flow).value_or(0.0f)),
                                      numberCell(pressureFromBase(state, circuit.circuitLoss)),
                                      sectionLossCell(state, circuit.riserLoss, circuit.pipe),
                                      valveKindName(state.languageIndex, circuit.kind)};
    for (std::u16string& cell : pipeCells(circuit.pipe))
        cells.push_back(std::move(cell));
    cells.push_back(circuit.controlValveKvs ? numberCell(*circuit.controlValveKvs) : u"");
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
    if (column >= circuit_column::kPipeLength && column <= circuit_column::kZeta)
        return applyPipeCell(circuit.pipe, circuit.riserLoss,
                             static_cast<std::size_t>(column - circuit_column::kPipeLength), cell);
    if (column == circuit_column::kRiserLoss)
        return applySectionLossCell(state, circuit.riserLoss, circuit.pipe, cell);
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
    case circuit_column::kControlValveKvs:
        if (!(*value > 0.0f))
            return CellEdit::NotRead;
        circuit.controlValveKvs = *value;
        break;
    default: return CellEdit::NotRead;
    }
    return CellEdit::Applied;
}
