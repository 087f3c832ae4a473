#include "system/balance_system.h"

#include "app/unit_conversion.h"
#include "branch/pipe_section_loss.h"
#include "branch/static_drop_ranges.h"
#include "db/product_db.h"
#include "sizing/hydraulic_factors.h"
#include "sizing/valve_families.h"
#include "system/controller_drop.h"
#include "system/system_heads.h"

#include <utility>

namespace {

// The static valve kind of a foot device that is one.
std::optional<BranchValveKind> staticKindOf(FootDevice device)
{
    switch (device) {
    case FootDevice::FixedOrificeValve:
        return BranchValveKind::FixedOrifice;
    case FootDevice::VariableOrificeValve:
        return BranchValveKind::VariableOrifice;
    case FootDevice::None:
    case FootDevice::Controller:
        break;
    }
    return std::nullopt;
}

// The controller the engine chooses for the flow and setpoint (units in
// force), as the main window's controller sizing does.
std::optional<DpcvRow> controllerFor(AppState& engine, ProductDb& db, float flow, float setpoint)
{
    selectDpcv(engine, db, flow, setpoint, std::nullopt);
    if (engine.dpcvFound == 0 || !engine.dpcvChosen)
        return std::nullopt;
    return engine.dpcvRows[*engine.dpcvChosen];
}

// What the whole system needs to know of each branch before the heads.
struct Context {
    AppState engine;
    ProductDb& db;
    StaticValveRows staticRows;
    std::optional<FluidProperties> fluid;
    float relativeDensity = 1.0f;
    float minimumStatic = 0.0f; // unit in force
};

void sizeMain(Context& context, const MainSection& main, float litresPerSecond, SystemBranchResult& result,
              bool& complete)
{
    float lossKpa = main.loss;
    if (main.pipe && context.fluid) {
        const SectionHydraulics section = pipeSectionLoss(*main.pipe, litresPerSecond, *context.fluid);
        result.mainSection = SectionResult{flowFromBase(context.engine, litresPerSecond).value_or(0.0f),
                                           static_cast<float>(section.velocity),
                                           static_cast<float>(section.reynolds),
                                           static_cast<float>(section.frictionFactor)};
        lossKpa = static_cast<float>(section.lossKpa);
    } else if (main.pipe) {
        complete = false;
    }
    result.mainLoss = pressureFromBase(context.engine, lossKpa);
}

// The foot device's least drop at the branch flow; a device the catalogue
// lacks leaves the branch incomplete.
void sizeFootMinimum(Context& context, FootDevice device, float litresPerSecond, SystemBranchResult& result,
                     bool& complete)
{
    result.foot.device = device;
    if (const std::optional<BranchValveKind> kind = staticKindOf(device)) {
        const std::optional<float> least = leastStaticDrop(context.engine, context.db, context.staticRows, *kind,
                                                           result.flow, context.minimumStatic);
        result.foot.minimumDrop = least.value_or(context.minimumStatic);
        if (!least) {
            result.warnings.push_back(SystemWarning::NoFootValve);
            complete = false;
        }
    } else if (device == FootDevice::Controller) {
        result.foot.setpoint = result.requirement;
        result.foot.controller = controllerFor(context.engine, context.db, result.flow, result.requirement);
        if (result.foot.controller) {
            result.foot.minimumDrop = pressureFromBase(
                context.engine,
                controllerMinimumDrop(*result.foot.controller, litresPerSecond, context.relativeDensity));
        } else {
            result.warnings.push_back(SystemWarning::NoController);
            complete = false;
        }
    }
}

void sizeFootAtDuty(Context& context, const HydraulicLimits& limits, SystemBranchResult& result)
{
    result.foot.drop = result.foot.device == FootDevice::None ? 0.0f : result.surplus;
    if (const std::optional<BranchValveKind> kind = staticKindOf(result.foot.device)) {
        result.foot.valve = staticValveAt(context.engine, context.db, *kind, result.flow, result.foot.drop);
        if (result.foot.valve.found && result.foot.valve.outsideScale)
            result.warnings.push_back(SystemWarning::FootValveOutsideScale);
        if (pressureToBase(context.engine, result.foot.drop) > limits.noiseLimit)
            result.warnings.push_back(SystemWarning::FootNoiseRisk);
    }
    if (result.foot.device != FootDevice::Controller &&
        pressureToBase(context.engine, result.surplus) > limits.noiseLimit) {
        result.proposal = ControllerProposal{
            controllerFor(context.engine, context.db, result.flow, result.requirement), result.requirement};
        result.warnings.push_back(SystemWarning::ControllerProposed);
    }
}

} // namespace

SystemResult balanceSystem(const AppState& state, ProductDb& db, const HydronicSystem& system)
{
    const HydraulicLimits& limits = system.settings.limits;
    Context context{engineSettingsOf(state), db, staticValveRows(db), pipeFluidOf(state, limits.fluidTemperature)};
    context.relativeDensity = hydraulicFactors(context.engine).value_or(HydraulicFactors{}).relativeDensity;
    context.minimumStatic = pressureFromBase(context.engine, limits.minimumStaticDp);

    const std::size_t count = system.branches.size();
    SystemResult result;
    result.branches.resize(count);
    result.plantLoss = pressureFromBase(context.engine, system.settings.plantLoss);

    // Branch flows in l/s; main section j carries branches j..n.
    std::vector<float> branchFlow(count, 0.0f);
    for (std::size_t j = 0; j < count; ++j)
        for (const BranchCircuit& circuit : system.branches[j].branch.circuits)
            branchFlow[j] += circuit.flow;
    std::vector<float> mainFlow(count + 1, 0.0f);
    for (std::size_t j = count; j-- > 0;)
        mainFlow[j] = mainFlow[j + 1] + branchFlow[j];
    result.totalFlow = flowFromBase(context.engine, mainFlow[0]).value_or(0.0f);

    std::vector<PreparedBranch> prepared;
    prepared.reserve(count);
    std::vector<BranchDemand> demands(count);
    for (std::size_t j = 0; j < count; ++j) {
        const SystemBranch& input = system.branches[j];
        SystemBranchResult& branch = result.branches[j];
        bool complete = true;
        prepared.push_back(prepareBranch(state, db, input.branch, input.returns, context.staticRows));
        branch.requirement = balanceHeads(prepared[j].pressures).pumpHead;
        branch.flow = flowFromBase(context.engine, branchFlow[j]).value_or(0.0f);
        if (!prepared[j].result.complete) {
            branch.warnings.push_back(SystemWarning::BranchIncomplete);
            complete = false;
        }
        sizeMain(context, input.main, mainFlow[j], branch, complete);
        if (branch.mainSection && branch.mainSection->velocity > limits.velocityLimit)
            branch.warnings.push_back(SystemWarning::MainVelocityAboveLimit);
        sizeFootMinimum(context, input.foot, branchFlow[j], branch, complete);
        demands[j] = BranchDemand{branch.mainLoss, branch.requirement, branch.foot.minimumDrop};
        if (!complete)
            result.incomplete.push_back(j);
    }
    result.complete = result.incomplete.empty();

    const SystemHeads heads = systemHeads(result.plantLoss, demands);
    result.pumpHead = heads.pumpHead;
    result.indexBranch = heads.indexBranch;
    for (std::size_t j = 0; j < count; ++j) {
        SystemBranchResult& branch = result.branches[j];
        branch.mainUpTo = heads.mainUpTo[j];
        branch.available = heads.available[j];
        branch.surplus = heads.surplus[j];
        const SystemBranch& input = system.branches[j];
        const bool fedAtTakeOff = input.foot == FootDevice::None;
        branch.branch = finishBranch(state, db, input.branch, std::move(prepared[j]),
                                     fedAtTakeOff ? std::optional<float>(branch.available) : std::nullopt);
        sizeFootAtDuty(context, limits, branch);
    }
    return result;
}
