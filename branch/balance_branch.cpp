#include "branch/balance_branch.h"

#include "app/unit_conversion.h"
#include "branch/branch_heads.h"
#include "sizing/valve_families.h"

namespace {

// A valve found without a presetting curve keeps the numbers of the sizing
// before it in the engine; in a branch those would belong to another
// circuit, so every circuit starts from zero.
void clearNumbers(AppState& engine)
{
    engine.fobvPresetting = engine.fobvKvAtSetting = engine.fobvOpening = 0.0f;
    engine.vobvPresetting = engine.vobvKvAtSetting = engine.vobvOpening = 0.0f;
    engine.picvPresetting = engine.picvFlowAtSetting = engine.picvDpMin = 0.0f;
}

template <typename Row>
void describe(BranchValve& valve, const Row& row)
{
    valve.found = true;
    valve.model = row.model;
    valve.nominalSize = row.nominalSize;
    valve.technicalCode = row.technicalCode;
}

BranchValve picvAt(AppState& engine, ProductDb& db, float flow)
{
    clearNumbers(engine);
    selectPicv(engine, db, flow, std::nullopt);
    BranchValve valve;
    if (engine.picvFound == 0 || !engine.picvChosen)
        return valve;
    const PicvRow& row = engine.picvRows[*engine.picvChosen];
    describe(valve, row);
    valve.presetting = engine.picvPresetting;
    valve.flowAtSetting = engine.picvFlowAtSetting;
    valve.dpMin = engine.picvDpMin;
    valve.dpMaxKpa = row.fourthNumber;
    valve.outsideScale =
        valve.presetting < row.presetStart || (row.seventhNumber > 0.0f && valve.presetting > row.seventhNumber);
    return valve;
}

template <typename Row>
BranchValve staticValve(const std::vector<Row>& rows, std::int32_t found, ChosenRow chosen, float presetting,
                        float kv, float opening)
{
    BranchValve valve;
    if (found == 0 || !chosen)
        return valve;
    describe(valve, rows[*chosen]);
    valve.presetting = presetting;
    valve.kvAtSetting = kv;
    valve.opening = opening;
    valve.outsideScale = presetting < rows[*chosen].presetStart || opening > 1.0f;
    return valve;
}

BranchValve staticAt(AppState& engine, ProductDb& db, BranchValveKind kind, float flow, float valveDp)
{
    clearNumbers(engine);
    if (kind == BranchValveKind::FixedOrifice) {
        sizeFixedOrifice(engine, db, flow, valveDp, std::nullopt);
        return staticValve(engine.fobvRows, engine.fobvFound, engine.fobvChosen, engine.fobvPresetting,
                           engine.fobvKvAtSetting, engine.fobvOpening);
    }
    sizeVariableOrifice(engine, db, flow, valveDp, std::nullopt);
    return staticValve(engine.vobvRows, engine.vobvFound, engine.vobvChosen, engine.vobvPresetting,
                       engine.vobvKvAtSetting, engine.vobvOpening);
}

std::vector<BranchWarning> warningsOf(const AppState& engine, const BranchSettings& settings, BranchValveKind kind,
                                      const CircuitResult& circuit)
{
    std::vector<BranchWarning> warnings;
    if (!circuit.valve.found) {
        warnings.push_back(BranchWarning::NoValve);
        return warnings;
    }
    if (circuit.valve.outsideScale)
        warnings.push_back(BranchWarning::PresettingOutsideScale);
    const float valveDpKpa = pressureToBase(engine, circuit.valveDp);
    if (kind != BranchValveKind::PressureIndependent && valveDpKpa > settings.noiseLimit)
        warnings.push_back(BranchWarning::NoiseRisk);
    if (kind == BranchValveKind::PressureIndependent && circuit.valve.dpMaxKpa > 0.0f &&
        valveDpKpa > circuit.valve.dpMaxKpa)
        warnings.push_back(BranchWarning::AbovePicvMaximum);
    return warnings;
}

} // namespace

AppState engineSettingsOf(const AppState& state)
{
    AppState engine;
    engine.languageIndex = state.languageIndex;
    engine.flowUnits = state.flowUnits;
    engine.pressureUnits = state.pressureUnits;
    engine.powerUnits = state.powerUnits;
    engine.temperatureUnits = state.temperatureUnits;
    engine.flowUnitIndex = state.flowUnitIndex;
    engine.pressureUnitIndex = state.pressureUnitIndex;
    engine.powerUnitIndex = state.powerUnitIndex;
    engine.temperatureUnitIndex = state.temperatureUnitIndex;
    engine.modelNames = state.modelNames;
    engine.dpMin = state.dpMin;
    engine.dpMax = state.dpMax;
    engine.fluids = state.fluids;
    engine.fluidIndex = state.fluidIndex;
    return engine;
}

BranchResult balanceBranch(const AppState& state, ProductDb& db, const Branch& branch)
{
    AppState engine = engineSettingsOf(state);
    const std::size_t count = branch.circuits.size();
    BranchResult result;
    result.circuits.resize(count);
    std::vector<CircuitPressures> pressures(count);
    const float minimumStatic = pressureFromBase(engine, branch.settings.minimumStaticDp);
    for (std::size_t i = 0; i < count; ++i) {
        const BranchCircuit& input = branch.circuits[i];
        CircuitResult& circuit = result.circuits[i];
        circuit.flow = flowFromBase(engine, input.flow).value_or(0.0f);
        circuit.circuitLoss = pressureFromBase(engine, input.circuitLoss);
        pressures[i].riserLoss = pressureFromBase(engine, input.riserLoss);
        pressures[i].circuitLoss = circuit.circuitLoss;
        if (input.kind == BranchValveKind::PressureIndependent) {
            circuit.valve = picvAt(engine, db, circuit.flow);
            pressures[i].minimumValveDp = circuit.valve.dpMin;
        } else {
            pressures[i].minimumValveDp = minimumStatic;
        }
        circuit.minimumValveDp = pressures[i].minimumValveDp;
    }

    const BranchHeads heads = balanceHeads(pressures);
    result.pumpHead = heads.pumpHead;
    result.indexCircuit = heads.indexCircuit;
    for (std::size_t i = 0; i < count; ++i) {
        const BranchValveKind kind = branch.circuits[i].kind;
        CircuitResult& circuit = result.circuits[i];
        circuit.riserUpTo = heads.riserUpTo[i];
        circuit.valveDp = heads.valveDp[i];
        if (kind != BranchValveKind::PressureIndependent)
            circuit.valve = staticAt(engine, db, kind, circuit.flow, circuit.valveDp);
        circuit.warnings = warningsOf(engine, branch.settings, kind, circuit);
    }
    return result;
}
