#include "windows/branch/circuit_cells.h"

#include "app/unit_conversion.h"
#include "branch/branch_result_texts.h"
#include "data/number_text.h"
#include "data/text_format.h"
#include "db/project_row.h"

#include <cmath>
#include <optional>

namespace {

std::u16string numberText(float value)
{
    return utf8ToUtf16(formatCommaDecimal(value));
}

// A number typed into a cell: digits with a decimal comma or point, not
// negative and not beyond single precision; none for anything else.
std::optional<float> cellNumber(const std::u16string& cell)
{
    const std::string text = utf16ToUtf8(cell);
    if (text.find_first_of("0123456789") == std::string::npos || text.find('-') != std::string::npos)
        return std::nullopt;
    const float value = parseCommaDecimal(text);
    return std::isfinite(value) ? std::optional<float>(value) : std::nullopt;
}

} // namespace

std::vector<std::u16string> circuitCells(const AppState& state, const BranchCircuit& circuit)
{
    return {utf8ToUtf16(circuit.designation), numberText(flowFromBase(state, circuit.flow).value_or(0.0f)),
            numberText(pressureFromBase(state, circuit.circuitLoss)),
            numberText(pressureFromBase(state, circuit.riserLoss)), valveKindName(state.languageIndex, circuit.kind)};
}

bool applyCircuitCell(const AppState& state, BranchCircuit& circuit, int column, const std::u16string& cell)
{
    if (column == 0) {
        ProjectRow fitted; // a designation fits the valve list's field
        fitted.riferimento = utf16ToUtf8(cell);
        circuit.designation = fittedToFields(fitted).riferimento;
        return true;
    }
    if (column == circuit_column::kKind) {
        for (const BranchValveKind kind : kCircuitKinds)
            if (cell == valveKindName(state.languageIndex, kind)) {
                circuit.kind = kind;
                return true;
            }
        return false;
    }
    const std::optional<float> value = cellNumber(cell);
    if (!value)
        return false;
    if (column == circuit_column::kFlow) {
        const std::optional<float> base = flowToBase(state, *value);
        if (!base)
            return false;
        circuit.flow = *base;
    } else {
        (column == circuit_column::kCircuitLoss ? circuit.circuitLoss : circuit.riserLoss) = pressureToBase(state, *value);
    }
    return true;
}
