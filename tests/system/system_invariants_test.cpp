// Random systems: every branch alone equals the branch calculation at the
// head it is fed with, every circuit's path from the pump closes at the pump
// head, and every foot valve and controller is the one the engine sizes on
// its own.

#include "tests/system/system_fixture.h"

#include "sizing/valve_families.h"

#include <random>

namespace {

using Kind = BranchValveKind;
using SystemInvariants = SystemTest;

HydronicSystem randomSystem(std::mt19937& random, int trial)
{
    std::uniform_real_distribution<float> unit(0.0f, 1.0f);
    const float diameters[] = {27.3f, 36.0f, 41.9f, 53.1f};
    HydronicSystem system;
    system.settings.plantLoss = 20.0f * unit(random);
    system.settings.limits.fluidTemperature = 10.0f + 80.0f * unit(random);
    const int branches = 1 + trial % 5;
    for (int j = 0; j < branches; ++j) {
        SystemBranch branch;
        branch.foot = static_cast<FootDevice>((trial + j) % 4);
        const int circuits = 1 + (trial + 2 * j) % 4;
        const bool reverse = (trial + j) % 3 == 0;
        for (int i = 0; i < circuits; ++i) {
            // AQ-025's orifice reads 0.28 to 0.68 l/s, AN-020 carries up to 1.
            const bool fixed = i % 3 == 2;
            const float flow = fixed ? 0.3f + 0.35f * unit(random) : 0.05f + 0.2f * unit(random);
            BranchCircuit c{"C", flow, 2.0f + 20.0f * unit(random), 0,
                            fixed ? Kind::FixedOrifice : Kind::VariableOrifice, std::nullopt, std::nullopt,
                            std::nullopt};
            if (unit(random) < 0.5f)
                c.pipe = PipeSection{1.0f + 20.0f * unit(random), diameters[i % 4], kSteelRoughnessMm, unit(random)};
            else
                c.riserLoss = 3.0f * unit(random);
            branch.branch.circuits.push_back(c);
            if (reverse)
                branch.returns.push_back({3.0f * unit(random), std::nullopt});
        }
        if (unit(random) < 0.5f)
            branch.main.pipe = PipeSection{5.0f + 30.0f * unit(random), 53.1f, kSteelRoughnessMm, 2.0f * unit(random)};
        else
            branch.main.loss = 5.0f * unit(random);
        system.branches.push_back(branch);
    }
    return system;
}

void expectSameValve(const BranchValve& actual, const BranchValve& expected)
{
    EXPECT_EQ(actual.found, expected.found);
    EXPECT_EQ(actual.technicalCode, expected.technicalCode);
    EXPECT_FLOAT_EQ(actual.presetting, expected.presetting);
    EXPECT_FLOAT_EQ(actual.kvAtSetting, expected.kvAtSetting);
}

// The controller the main window's controller sizing chooses for (Q, dP).
std::optional<std::string> engineController(const AppState& state, ProductDb& db, float flow, float setpoint)
{
    AppState engine = engineSettingsOf(state);
    selectDpcv(engine, db, flow, setpoint, std::nullopt);
    if (engine.dpcvFound == 0 || !engine.dpcvChosen)
        return std::nullopt;
    return engine.dpcvRows[*engine.dpcvChosen].technicalCode;
}

std::optional<std::string> codeOf(const std::optional<DpcvRow>& row)
{
    return row ? std::optional<std::string>(row->technicalCode) : std::nullopt;
}

TEST_F(SystemInvariants, HoldOnRandomSystems)
{
    std::mt19937 random(11);
    int complete = 0;
    for (int trial = 0; trial < 60; ++trial) {
        SCOPED_TRACE("trial " + std::to_string(trial));
        const HydronicSystem system = randomSystem(random, trial);
        const SystemResult result = balanceSystem(state, db, system);
        ASSERT_EQ(result.branches.size(), system.branches.size());
        complete += result.complete ? 1 : 0;
        EXPECT_LT(result.indexBranch, system.branches.size());
        for (std::size_t j = 0; j < system.branches.size(); ++j) {
            SCOPED_TRACE("branch " + std::to_string(j));
            const SystemBranch& input = system.branches[j];
            const SystemBranchResult& b = result.branches[j];

            // The branch alone, at the head it is fed with.
            const bool behindDevice = input.foot != FootDevice::None;
            const BranchResult alone = balanceBranch(
                state, db, input.branch,
                BranchOptions{input.returns, behindDevice ? std::nullopt : std::optional<float>(b.available)});
            EXPECT_FLOAT_EQ(b.branch.pumpHead, alone.pumpHead);
            EXPECT_FLOAT_EQ(b.requirement, balanceBranch(state, db, input.branch, {input.returns, std::nullopt}).pumpHead);
            ASSERT_EQ(b.branch.circuits.size(), alone.circuits.size());
            for (std::size_t i = 0; i < alone.circuits.size(); ++i) {
                EXPECT_FLOAT_EQ(b.branch.circuits[i].valveDp, alone.circuits[i].valveDp) << i;
                expectSameValve(b.branch.circuits[i].valve, alone.circuits[i].valve);
            }

            // Every circuit's path from the pump closes at the pump head.
            for (const CircuitResult& c : b.branch.circuits)
                EXPECT_NEAR(result.plantLoss + b.mainUpTo + b.foot.drop + c.riserUpTo + c.circuitLoss +
                                c.controlValveDp + c.valveDp,
                            result.pumpHead, result.pumpHead * 2e-5f);
            EXPECT_GE(b.foot.drop, b.foot.minimumDrop);
            EXPECT_NEAR(b.available, b.requirement + b.surplus, b.available * 2e-5f);

            // Foot devices and proposals as the engine sizes them alone.
            if (input.foot == FootDevice::FixedOrificeValve || input.foot == FootDevice::VariableOrificeValve) {
                AppState engine = engineSettingsOf(state);
                const Kind kind = input.foot == FootDevice::FixedOrificeValve ? Kind::FixedOrifice
                                                                              : Kind::VariableOrifice;
                expectSameValve(b.foot.valve, staticValveAt(engine, db, kind, b.flow, b.surplus));
            }
            if (input.foot == FootDevice::Controller) {
                EXPECT_EQ(codeOf(b.foot.controller), engineController(state, db, b.flow, b.requirement));
            }
            if (b.proposal) {
                EXPECT_EQ(codeOf(b.proposal->controller), engineController(state, db, b.flow, b.requirement));
            }
            EXPECT_EQ(b.proposal.has_value(), input.foot != FootDevice::Controller && b.surplus > 25.0f);
        }
        if (result.complete) {
            const SystemBranchResult& index = result.branches[result.indexBranch];
            EXPECT_NEAR(index.foot.drop, index.foot.minimumDrop, 1e-4f);
        }
    }
    // The draw must exercise complete systems, not only refusals.
    EXPECT_GT(complete, 10);
}

} // namespace
