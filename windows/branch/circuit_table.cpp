// The branch window's circuits table: a circuit typed cell by cell (the
// last, empty row takes a new one), deleted or moved.
#include "windows/branch/branch_window.h"

#include "app/user_messages.h"
#include "windows/common/edited_rows.h"
#include "branch/branch_design_text_ids.h"
#include "windows/branch/branch_window_ids.h"
#include "windows/branch/circuit_cells.h"


using namespace BranchWindowId;

void BranchWindow::showCircuits()
{
    showEditedRows(controls()[kCircuitTable], branch_.circuits,
                   [this](const BranchCircuit& circuit) { return circuitCells(state_, circuit); });
}

void BranchWindow::onCellChanged(int controlId, int row, int column)
{
    if (controlId != kCircuitTable)
        return;
    if (const std::optional<std::u16string> cell = typedCell(controls()[kCircuitTable], row, column))
        editCircuit(row, column, *cell, std::nullopt);
}

void BranchWindow::editCircuit(int row, int column, const std::u16string& cell,
                               const std::optional<CircuitHeatLoad>& heatLoad)
{
    const bool newCircuit = static_cast<std::size_t>(row) == branch_.circuits.size();
    if (newCircuit && cell.empty())
        return;
    BranchCircuit circuit = newCircuit ? BranchCircuit{} : branch_.circuits[static_cast<std::size_t>(row)];
    // A cell that does not read as its column's value shows the circuit's value again.
    const CellEdit edit = applyCircuitCell(state_, circuit, column, cell);
    if (edit == CellEdit::LossAndPipe)
        services_.messages.showMessage(text(branch_design_text::kRiserAndPipe));
    if (edit == CellEdit::Applied) {
        if (column == circuit_column::kFlow)
            circuit.heatLoad = heatLoad; // a typed flow is no longer the heat load's
        if (newCircuit)
            branch_.circuits.push_back(circuit);
        else
            branch_.circuits[static_cast<std::size_t>(row)] = circuit;
        changed();
    }
    showCircuits();
}

void BranchWindow::deleteRow()
{
    if (!deleteSelectedRecord(controls()[kCircuitTable], branch_.circuits))
        return;
    showCircuits();
    changed();
}

void BranchWindow::moveRow(int by)
{
    if (!moveSelectedRecord(controls()[kCircuitTable], branch_.circuits, by))
        return;
    showCircuits();
    changed();
}
