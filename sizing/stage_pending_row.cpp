#include "sizing/stage_pending_row.h"

#include "app/unit_conversion.h"
#include "data/number_text.h"
#include "sizing/result_kind.h"

namespace {

std::string checkWordOr(float value)
{
    if (value == kPressureSufficient)
        return "OK";
    if (value == kPressureInsufficient)
        return "KO";
    return formatResultNumber(value);
}

void setResultTexts(ProjectRow& row, int resultKind, const ResultValues& results)
{
    switch (resultKind) {
    case FixedOrificeResult:
    case VariableOrificeResult:
        row.presetting = formatResultNumber(results.resultPresetting);
        row.kv = formatResultNumber(results.resultMain);
        row.apertura = formatResultNumber(results.resultAux);
        break;
    case PressureIndependentResult:
        row.presetting = formatResultNumber(results.resultPresetting);
        row.kv = checkWordOr(results.resultMain);
        row.apertura.clear();
        break;
    default:
        row.presetting.clear();
        row.kv.clear();
        row.apertura.clear();
        break;
    }
}

} // namespace

void stagePendingRow(AppState& state, const SelectionFields& fields, int resultKind, const CandidateSummary* chosen,
                     bool noResult)
{
    ProjectRow& row = state.pendingRow;
    row.muP = pressureUnitLabel(state);
    row.muQ = flowUnitLabel(state);
    row.muPower = powerUnitLabel(state);
    row.muTemp = temperatureUnitLabel(state);
    if (noResult || !chosen)
        return;

    row.nome_tipo = chosen->model;
    row.dimensione = chosen->nominalSize;
    row.numero_di_materiale = chosen->materialNumber;
    // The numbers as the user typed them, in the units shown with them.
    row.dP = parseCommaDecimal(fields.dpInput);
    row.portata = parseCommaDecimal(fields.flowInput);
    row.fluido = state.engine.fluidIndex;
    row.t_mandata = parseCommaDecimal(fields.supplyTempInput);
    row.t_ritorno = parseCommaDecimal(fields.returnTempInput);
    row.potenza = parseCommaDecimal(fields.powerInput);
    setResultTexts(row, resultKind, fields.results);
    state.pendingRow = fittedToFields(row);
}
