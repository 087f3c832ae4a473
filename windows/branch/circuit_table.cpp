// The branch window's circuits table: a circuit typed cell by cell (the
// last, empty row takes a new one), deleted or moved.
#include "windows/branch/branch_window.h"

#include "app/user_messages.h"
#include "windows/common/saved_names.h"
#include "branch/branch_design_text_ids.h"
#include "windows/branch/branch_window_ids.h"
#include "windows/branch/circuit_cells.h"

#include <algorithm>

using namespace BranchWindowId;

void BranchWindow::showCircuits()
{
    ControlState& table = controls()[kCircuitTable];
    table.rows.clear();
    for (const BranchCircuit& circuit : branch_.circuits) {
        table.rows.push_back({-1, circuitCells(state_, circuit)});
    }
    table.rows.push_back({-1, std::vector<std::u16string>(table.columns.size())}); // the row for a new circuit
    table.selectedRow = std::min(table.selectedRow, static_cast<int>(table.rows.size()) - 1);
}

void BranchWindow::onCellChanged(int controlId, int row, int column)
{
    ControlState& table = controls()[controlId];
    if (controlId != kCircuitTable || row < 0 || row >= static_cast<int>(table.rows.size()) || column < 0 ||
        column >= static_cast<int>(table.rows[static_cast<std::size_t>(row)].cells.size()))
        return;
    editCircuit(row, column, table.rows[static_cast<std::size_t>(row)].cells[static_cast<std::size_t>(column)],
                std::nullopt);
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
    if (edit == CellEdit::RiserAndPipe)
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
    const int row = controls()[kCircuitTable].selectedRow;
    if (row < 0 || static_cast<std::size_t>(row) >= branch_.circuits.size())
        return;
    branch_.circuits.erase(branch_.circuits.begin() + row);
    showCircuits();
    changed();
}

void BranchWindow::moveRow(int by)
{
    const std::optional<std::size_t> row = moveSelection(controls()[kCircuitTable], branch_.circuits.size(), by);
    if (!row)
        return;
    const auto target = static_cast<std::size_t>(controls()[kCircuitTable].selectedRow);
    std::swap(branch_.circuits[*row], branch_.circuits[target]);
    showCircuits();
    changed();
}
