#include "branch/balance_branch.h"

#include "app/unit_conversion.h"
#include "branch/branch_heads.h"
#include "branch/control_valve_drop.h"
#include "branch/pipe_section_loss.h"
#include "branch/static_drop_ranges.h"
#include "sizing/flow_coefficient.h"
#include "sizing/hydraulic_factors.h"
#include "sizing/valve_families.h"

#include <algorithm>
#include <utility>

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
        valve.presetting < row.presetStart || (row.presetFull > 0.0f && valve.presetting > row.presetFull);
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

// The Kv a static valve needs for (Q, dP), as the single-valve view shows it.
float requiredKvOf(const AppState& engine, float flow, float valveDp)
{
    const std::optional<HydraulicFactors> factors = hydraulicFactors(engine);
    if (!factors)
        return 0.0f;
    return requiredFlowCoefficient(factors->relativeDensity, factors->flowFactor, flow, factors->pressureFactor,
                                   valveDp)
        .kv;
}

std::vector<BranchWarning> warningsOf(const AppState& engine, const HydraulicLimits& limits, BranchValveKind kind,
                                      const CircuitResult& circuit)
{
    std::vector<BranchWarning> warnings;
    const auto tooFast = [&](const std::optional<SectionResult>& section) {
        return section && section->velocity > limits.velocityLimit;
    };
    if (tooFast(circuit.section) || tooFast(circuit.returnSection))
        warnings.push_back(BranchWarning::VelocityAboveLimit);
    if (circuit.authority && *circuit.authority < limits.authorityLimit)
        warnings.push_back(BranchWarning::LowAuthority);
    if (!circuit.valve.found) {
        warnings.push_back(BranchWarning::NoValve);
        return warnings;
    }
    if (circuit.valve.outsideScale)
        warnings.push_back(BranchWarning::PresettingOutsideScale);
    const float valveDpKpa = pressureToBase(engine, circuit.valveDp);
    if (kind != BranchValveKind::PressureIndependent && valveDpKpa > limits.noiseLimit)
        warnings.push_back(BranchWarning::NoiseRisk);
    if (kind == BranchValveKind::PressureIndependent && circuit.valve.dpMaxKpa > 0.0f &&
        valveDpKpa > circuit.valve.dpMaxKpa)
        warnings.push_back(BranchWarning::AbovePicvMaximum);
    return warnings;
}

// A riser section's loss in kPa: its pipe's at the flow it carries (l/s),
// else the typed one. A pipe without a known fluid leaves the result
// incomplete.
float sectionLossKpa(const AppState& engine, float typedKpa, const std::optional<PipeSection>& pipe,
                     float litresPerSecond, const std::optional<FluidProperties>& fluid,
                     std::optional<SectionResult>& section, BranchResult& result)
{
    if (!pipe)
        return typedKpa;
    if (!fluid) {
        result.gap = BranchGap::PipeFluidUnknown;
        return typedKpa;
    }
    const SectionHydraulics hydraulics = pipeSectionLoss(*pipe, litresPerSecond, *fluid);
    section = SectionResult{flowFromBase(engine, litresPerSecond).value_or(0.0f),
                            static_cast<float>(hydraulics.velocity), static_cast<float>(hydraulics.reynolds),
                            static_cast<float>(hydraulics.frictionFactor)};
    return static_cast<float>(hydraulics.lossKpa);
}

} // namespace

BranchValve staticValveAt(AppState& engine, ProductDb& db, BranchValveKind kind, float flow, float valveDp)
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

// Below the least drop the valve would be sized fully open and still take
// more. The drop where a valve just reaches full opening can
// round to a Kv a hair above its kv_max in the query; the engine itself has
// the last word, a few float steps up.
std::optional<float> leastStaticDrop(AppState& engine, ProductDb& db, const StaticValveRows& rows,
                                     BranchValveKind kind, float flow, float minimum)
{
    std::vector<DropRange> ranges = staticDropRanges(engine, rows, kind, flow);
    while (const std::optional<float> least = leastDropFrom(ranges, minimum)) {
        float drop = *least;
        for (int nudge = 0; nudge < 4; ++nudge, drop *= 1.000001f)
            if (staticValveAt(engine, db, kind, flow, drop).found)
                return drop;
        // That row is out of the engine's reach after all; try the next.
        for (DropRange& range : ranges)
            if (std::max(range.low, minimum) == *least)
                range.high = -1.0f;
    }
    return std::nullopt;
}

AppState engineSettingsOf(const AppState& state)
{
    AppState engine;
    engine.engine = state.engine;
    return engine;
}

std::optional<FluidProperties> pipeFluidOf(const AppState& state, float celsius)
{
    // Only water's viscosity is known here well enough to size a pipe on;
    // it is the first fluid of every catalogue.
    if (state.engine.fluidIndex != 0)
        return std::nullopt;
    return waterAt(celsius);
}

PreparedBranch prepareBranch(const AppState& state, ProductDb& db, const Branch& branch,
                             const std::vector<ReturnSection>& returns, const StaticValveRows& staticRows)
{
    AppState engine = engineSettingsOf(state);
    const std::size_t count = branch.circuits.size();
    PreparedBranch prepared;
    BranchResult& result = prepared.result;
    std::vector<CircuitPressures>& pressures = prepared.pressures;
    result.circuits.resize(count);
    pressures.resize(count);
    const float minimumStatic = pressureFromBase(engine, branch.settings.limits.minimumStaticDp);
    const float relativeDensity = hydraulicFactors(engine).value_or(HydraulicFactors{}).relativeDensity;
    const std::optional<FluidProperties> fluid = pipeFluidOf(state, branch.settings.limits.fluidTemperature);

    // Section i carries the flow of circuits i..n.
    std::vector<float> sectionFlow(count + 1, 0.0f);
    for (std::size_t i = count; i-- > 0;)
        sectionFlow[i] = sectionFlow[i + 1] + branch.circuits[i].flow;
    result.totalFlow = flowFromBase(engine, sectionFlow[0]).value_or(0.0f);

    float returnFlow = 0.0f;
    for (std::size_t i = 0; i < count; ++i) {
        const BranchCircuit& input = branch.circuits[i];
        CircuitResult& circuit = result.circuits[i];
        returnFlow += input.flow;
        circuit.flow = flowFromBase(engine, input.flow).value_or(0.0f);
        circuit.circuitLoss = pressureFromBase(engine, input.circuitLoss);
        circuit.riserLoss = pressureFromBase(
            engine, sectionLossKpa(engine, input.riserLoss, input.pipe, sectionFlow[i], fluid, circuit.section, result));
        if (i < returns.size()) {
            // The return after circuit i carries circuits 1..i.
            const ReturnSection& back = returns[i];
            circuit.returnLoss = pressureFromBase(
                engine, sectionLossKpa(engine, back.loss, back.pipe, returnFlow, fluid, circuit.returnSection, result));
        }
        if (input.controlValveKvs)
            circuit.controlValveDp =
                pressureFromBase(engine, controlValveDrop(input.flow, *input.controlValveKvs, relativeDensity));
        pressures[i].riserLoss = circuit.riserLoss;
        pressures[i].returnLoss = circuit.returnLoss;
        pressures[i].circuitLoss = circuit.circuitLoss + circuit.controlValveDp;
        if (input.kind == BranchValveKind::PressureIndependent) {
            circuit.valve = picvAt(engine, db, circuit.flow);
            pressures[i].minimumValveDp = circuit.valve.dpMin;
            if (!circuit.valve.found)
                result.unsized.push_back(i);
        } else {
            const std::optional<float> least =
                leastStaticDrop(engine, db, staticRows, input.kind, circuit.flow, minimumStatic);
            pressures[i].minimumValveDp = least.value_or(minimumStatic);
            if (!least)
                result.unsized.push_back(i);
        }
        circuit.minimumValveDp = pressures[i].minimumValveDp;
    }
    if (!result.unsized.empty() && result.gap == BranchGap::None)
        result.gap = BranchGap::NoValveForFlow;
    result.complete = result.gap == BranchGap::None;
    return prepared;
}

BranchResult finishBranch(const AppState& state, ProductDb& db, const Branch& branch, PreparedBranch prepared,
                          std::optional<float> availableHead)
{
    AppState engine = engineSettingsOf(state);
    BranchResult result = std::move(prepared.result);
    const BranchHeads heads = balanceHeads(prepared.pressures, availableHead);
    result.pumpHead = heads.pumpHead;
    result.indexCircuit = heads.indexCircuit;
    for (std::size_t i = 0; i < result.circuits.size(); ++i) {
        const BranchValveKind kind = branch.circuits[i].kind;
        CircuitResult& circuit = result.circuits[i];
        circuit.riserUpTo = heads.riserUpTo[i];
        circuit.valveDp = heads.valveDp[i];
        if (branch.circuits[i].controlValveKvs && heads.pumpHead > circuit.riserUpTo)
            circuit.authority = circuit.controlValveDp / (heads.pumpHead - circuit.riserUpTo);
        if (kind != BranchValveKind::PressureIndependent) {
            circuit.valve = staticValveAt(engine, db, kind, circuit.flow, circuit.valveDp);
            circuit.valve.requiredKv = requiredKvOf(engine, circuit.flow, circuit.valveDp);
        }
        circuit.warnings = warningsOf(engine, branch.settings.limits, kind, circuit);
    }
    return result;
}

BranchResult balanceBranch(const AppState& state, ProductDb& db, const Branch& branch, const BranchOptions& options)
{
    return finishBranch(state, db, branch, prepareBranch(state, db, branch, options.returns, staticValveRows(db)),
                        options.availableHead);
}
