// The branch window hands its sized valves to the valve list, each under
// its circuit's designation, by the valve list's one rule of adding; a
// designation the list holds already is reported and skipped, and a
// database that refuses stops the hand-over with its reason.
#include "windows/branch/branch_window.h"

#include "app/unit_conversion.h"
#include "app/user_messages.h"
#include "branch/branch_result_texts.h"
#include "branch/branch_text_ids.h"
#include "data/number_text.h"
#include "data/text_format.h"
#include "db/product_db.h"
#include "valve_list/valve_list_addition.h"
#include "valve_list/valve_list_fault_texts.h"

using namespace branch_text;

void BranchWindow::addToValveList()
{
    if (!result_) {
        services_.messages.showMessage(text(kCalculateFirst));
        return;
    }
    // Every valve's drop rests on the head: without a valid head none is right.
    if (!result_->complete) {
        services_.messages.showMessage(branchResultTexts(state_, branch_, *result_).incomplete);
        return;
    }
    int added = 0;
    std::u16string report;
    for (std::size_t i = 0; i < branch_.circuits.size() && i < result_->circuits.size(); ++i) {
        const BranchCircuit& circuit = branch_.circuits[i];
        const CircuitResult& sized = result_->circuits[i];
        if (!sized.valve.found)
            continue;
        const bool picv = circuit.kind == BranchValveKind::PressureIndependent;
        ProjectRow row;
        row.nome_tipo = sized.valve.model;
        row.dimensione = sized.valve.nominalSize;
        row.numero_di_materiale = sized.valve.technicalCode;
        row.dP = sized.valveDp;
        row.portata = sized.flow;
        row.fluido = state_.engine.fluidIndex;
        // Without a heat load the temperatures are those the main window
        // shows when no flow was calculated from a power.
        const CircuitHeatLoad load = circuit.heatLoad.value_or(
            CircuitHeatLoad{0.0f, powerUnitLabel(state_), 20.0f, 15.0f, temperatureUnitLabel(state_)});
        row.potenza = load.power;
        row.t_mandata = load.supplyTemperature;
        row.t_ritorno = load.returnTemperature;
        row.presetting = formatResultNumber(sized.valve.presetting);
        row.kv = formatResultNumber(picv ? sized.valve.flowAtSetting : sized.valve.kvAtSetting);
        row.apertura = picv ? std::string() : formatResultNumber(sized.valve.opening * 100.0f);
        row.riferimento = circuit.designation;
        row.muP = pressureUnitLabel(state_);
        row.muQ = flowUnitLabel(state_);
        row.muPower = load.powerUnit;
        row.muTemp = load.temperatureUnit;
        const ValveListAddition addition = ::addToValveList(db_, row, state_.projects);
        if (addition.outcome == ValveListAdd::Added)
            ++added;
        else if (addition.outcome == ValveListAdd::NoDesignation)
            report += text(kDesignationMissing) + u"\n";
        else if (addition.outcome == ValveListAdd::DesignationTaken)
            report += formatText(text(kDesignationSkipped), {utf8ToUtf16(circuit.designation)}) + u"\n";
        else {
            // The database refuses the next valve as well: it stops here, and says why.
            report += databaseFailureText(state_.languageIndex, ValveListFaultText::kAddFailed, addition.failure) +
                      u"\n";
            break;
        }
    }
    services_.messages.showMessage(report + formatText(text(kValvesAdded), {utf8ToUtf16(std::to_string(added))}));
}
