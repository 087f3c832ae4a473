// A circuit's flow from its heat load and temperatures, in the program's
// flow calculation window; the circuit keeps the heat load until a flow is
// typed over it.
#include "windows/branch/branch_window.h"

#include "app/unit_conversion.h"
#include "branch/branch_text_ids.h"
#include "data/number_text.h"
#include "data/text_format.h"
#include "windows/branch/branch_window_ids.h"
#include "windows/branch/circuit_cells.h"
#include "windows/dialogs/arvelo_calc_calc_dlg.h"

using namespace BranchWindowId;
using namespace branch_text;

void BranchWindow::flowFromHeatLoad()
{
    ListRows& rows = controls()[kCircuitTable].rows;
    if (rows.empty())
        return;
    // The circuit the cursor is in, else the row that takes a new one.
    const int selected = controls()[kCircuitTable].selectedRow;
    const int row = selected >= 0 && selected < static_cast<int>(rows.size()) ? selected
                                                                              : static_cast<int>(rows.size()) - 1;
    const std::size_t index = static_cast<std::size_t>(row);
    CArveloCalcCalcDlg dialog(state_, text(kFlowCalculation));
    dialog.flowText = utf16ToUtf8(rows[index].cells.at(circuit_column::kFlow));
    dialog.powerText = powerText_;
    dialog.supplyTempText = supplyTemperatureText_;
    dialog.returnTempText = returnTemperatureText_;
    // A circuit's own heat load comes first, while it is in the units in force.
    const std::optional<CircuitHeatLoad> own =
        index < branch_.circuits.size() ? branch_.circuits[index].heatLoad : std::nullopt;
    if (own && own->powerUnit == powerUnitLabel(state_) && own->temperatureUnit == temperatureUnitLabel(state_)) {
        dialog.powerText = formatCommaDecimal(own->power);
        dialog.supplyTempText = formatCommaDecimal(own->supplyTemperature);
        dialog.returnTempText = formatCommaDecimal(own->returnTemperature);
    }
    if (services_.windows.runModal(dialog) != kResultOk)
        return;
    powerText_ = dialog.powerText;
    supplyTemperatureText_ = dialog.supplyTempText;
    returnTemperatureText_ = dialog.returnTempText;
    const std::u16string flow = utf8ToUtf16(dialog.flowText);
    rows.edit()[index].cells[circuit_column::kFlow] = flow;
    editCircuit(row, circuit_column::kFlow, flow,
                CircuitHeatLoad{parseCommaDecimal(dialog.powerText), powerUnitLabel(state_),
                                parseCommaDecimal(dialog.supplyTempText), parseCommaDecimal(dialog.returnTempText),
                                temperatureUnitLabel(state_)});
}
