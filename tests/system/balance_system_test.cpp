// A system of branches on a main: the worked example by hand, the foot
// devices the catalogue lacks, the main's pipes.

#include "tests/system/system_fixture.h"

namespace {

using Kind = BranchValveKind;
using BalanceSystem = SystemTest;

bool has(const std::vector<SystemWarning>& warnings, SystemWarning warning)
{
    return std::find(warnings.begin(), warnings.end(), warning) != warnings.end();
}

// Worked by hand, kPa and l/s, water, static minimum 3 kPa; every circuit
// has the variable orifice AN-020 (Kv 0.5 to 4), fully open it takes
// (36 Q / 4)^2. Plant loss 10.
// Branch A, direct return, nothing at its foot, main section 4:
//   A1 Q 0.3 s 1 c 8  m 7.29   1 + 8 + 7.29 = 16.29 (index)
//   A2 Q 0.2 s 2 c 10 m 3.24   3 + 10 + 3.24 = 16.24       H_A = 16.29, Q 0.5
// Branch B, direct return, a controller at its foot, main section 3:
//   B1 Q 0.4 s 1.5 c 12 m 12.96  1.5 + 12 + 12.96 = 26.46
//   B2 Q 0.4 s 1.5 c 15 m 12.96  3 + 15 + 12.96 = 30.96 (index)  H_B = 30.96, Q 0.8
//   Controller for 0.8 l/s at 30.96 kPa: AS-040-03 (20 to 40 kPa, q_max 1.24);
//   its least drop 20 x (0.8 / 1.24)^2 = 8.3246618.
// Branch C, reverse return, a fixed-orifice valve at its foot, main section 2;
// supply s and return r per circuit, S_i = s_1..s_i + r_i..r_3:
//   C1 Q 0.2 s 1.0 r 0.5 c 9    S 1.0 + 2.3 = 3.3  3.3 + 9 + 3.24 = 15.54
//   C2 Q 0.2 s 0.8 r 0.6 c 9    S 1.8 + 1.8 = 3.6  3.6 + 9 + 3.24 = 15.84
//   C3 Q 0.2 s 0.6 r 1.2 c 9.5  S 2.4 + 1.2 = 3.6  3.6 + 9.5 + 3.24 = 16.34 (index)
//   H_C = 16.34, Q 0.6; AQ-025 fully open (Kv 8) takes (21.6 / 8)^2 = 7.29.
// The main: M = 4, 7, 9; M + H_b + d = 20.29, 46.2846618 (index), 32.63.
// Pump duty: 0.5 + 0.8 + 0.6 = 1.9 l/s at 10 + 46.2846618 = 56.2846618 kPa.
// At the take-offs A_j = 56.2846618 - 10 - M: 42.2846618, 39.2846618, 37.2846618.
//   A: its valves take the surplus: A1 42.2846618 - 1 - 8 = 33.2846618,
//      A2 42.2846618 - 3 - 10 = 29.2846618, both above the noise limit
//      of 25; the surplus 25.9946618 is too: a controller for 0.5 l/s at
//      16.29 kPa is proposed, AS-040-01 (5 to 25 kPa).
//   B: the controller takes 39.2846618 - 30.96 = 8.3246618, its least drop.
//   C: the foot valve takes 37.2846618 - 16.34 = 20.9446618 kPa: Kv
//      21.6 / sqrt(20.9446618) = 4.71973, on AQ-025 (1 + 0.0875 per 0.1)
//      presetting (4.71973 - 1) / 0.875 = 4.2511, on the scale's 0.1
//      steps 4.3 (Kv 1 + 0.0875 x 43 = 4.7625).
TEST_F(BalanceSystem, WorkedExampleWithAControllerAndAReverseReturn)
{
    HydronicSystem system;
    system.settings.plantLoss = 10;
    system.branches = {
        branchOf({circuit("A1", 0.3f, 8, 1, Kind::VariableOrifice), circuit("A2", 0.2f, 10, 2, Kind::VariableOrifice)},
                 4, FootDevice::None),
        branchOf({circuit("B1", 0.4f, 12, 1.5f, Kind::VariableOrifice),
                  circuit("B2", 0.4f, 15, 1.5f, Kind::VariableOrifice)},
                 3, FootDevice::Controller),
        branchOf({circuit("C1", 0.2f, 9, 1.0f, Kind::VariableOrifice), circuit("C2", 0.2f, 9, 0.8f, Kind::VariableOrifice),
                  circuit("C3", 0.2f, 9.5f, 0.6f, Kind::VariableOrifice)},
                 2, FootDevice::FixedOrificeValve),
    };
    system.branches[2].returns = {{0.5f, std::nullopt}, {0.6f, std::nullopt}, {1.2f, std::nullopt}};

    const SystemResult result = balanceSystem(state, db, system);

    ASSERT_TRUE(result.complete);
    EXPECT_NEAR(result.pumpHead, 56.2846618f, 2e-3f);
    EXPECT_NEAR(result.totalFlow, 1.9f, 1e-6f);
    EXPECT_EQ(result.indexBranch, 1u);
    const struct {
        float flow, requirement, mainUpTo, available, surplus, footMinimum, footDrop;
    } expected[] = {
        {0.5f, 16.29f, 4, 42.2846618f, 25.9946618f, 0, 0},
        {0.8f, 30.96f, 7, 39.2846618f, 8.3246618f, 8.3246618f, 8.3246618f},
        {0.6f, 16.34f, 9, 37.2846618f, 20.9446618f, 7.29f, 20.9446618f},
    };
    ASSERT_EQ(result.branches.size(), 3u);
    for (std::size_t j = 0; j < 3; ++j) {
        SCOPED_TRACE(j);
        const SystemBranchResult& b = result.branches[j];
        EXPECT_NEAR(b.flow, expected[j].flow, 1e-6f);
        EXPECT_NEAR(b.requirement, expected[j].requirement, 2e-3f);
        EXPECT_NEAR(b.mainUpTo, expected[j].mainUpTo, 1e-5f);
        EXPECT_NEAR(b.available, expected[j].available, 2e-3f);
        EXPECT_NEAR(b.surplus, expected[j].surplus, 2e-3f);
        EXPECT_NEAR(b.foot.minimumDrop, expected[j].footMinimum, 2e-3f);
        EXPECT_NEAR(b.foot.drop, expected[j].footDrop, 2e-3f);
    }

    const SystemBranchResult& a = result.branches[0];
    EXPECT_NEAR(a.branch.pumpHead, 42.2846618f, 2e-3f);
    EXPECT_NEAR(a.branch.circuits[0].valveDp, 33.2846618f, 2e-3f);
    EXPECT_NEAR(a.branch.circuits[1].valveDp, 29.2846618f, 2e-3f);
    for (const CircuitResult& circuit : a.branch.circuits)
        EXPECT_TRUE(std::count(circuit.warnings.begin(), circuit.warnings.end(), BranchWarning::NoiseRisk));
    EXPECT_EQ(a.warnings, std::vector<SystemWarning>{SystemWarning::ControllerProposed});
    ASSERT_TRUE(a.proposal && a.proposal->controller);
    EXPECT_EQ(a.proposal->controller->technicalCode, "AS-040-01");
    EXPECT_NEAR(a.proposal->setpoint, 16.29f, 2e-3f);

    const SystemBranchResult& b = result.branches[1];
    ASSERT_TRUE(b.foot.controller);
    EXPECT_EQ(b.foot.controller->technicalCode, "AS-040-03");
    EXPECT_NEAR(b.foot.setpoint, 30.96f, 2e-3f);
    EXPECT_NEAR(b.branch.pumpHead, 30.96f, 2e-3f);
    EXPECT_NEAR(b.branch.circuits[0].valveDp, 30.96f - 1.5f - 12, 2e-3f);
    EXPECT_TRUE(b.warnings.empty());
    EXPECT_FALSE(b.proposal);

    const SystemBranchResult& c = result.branches[2];
    const float riserUpTo[] = {3.3f, 3.6f, 3.6f};
    const float valveDp[] = {16.34f - 3.3f - 9, 16.34f - 3.6f - 9, 3.24f};
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_NEAR(c.branch.circuits[i].riserUpTo, riserUpTo[i], 1e-5f) << i;
        EXPECT_NEAR(c.branch.circuits[i].valveDp, valveDp[i], 2e-3f) << i;
    }
    EXPECT_EQ(c.branch.indexCircuit, 2u);
    ASSERT_TRUE(c.foot.valve.found);
    EXPECT_EQ(c.foot.valve.technicalCode, "AQ-025");
    EXPECT_NEAR(c.foot.valve.presetting, 4.3f, 1e-5f);
    EXPECT_NEAR(c.foot.valve.kvAtSetting, 4.7625f, 1e-4f);
    EXPECT_TRUE(c.warnings.empty());
}

// A foot device the catalogue lacks leaves its least drop out of the head:
// the result is incomplete and names the branch. The branch of AF-050 at
// 3 l/s (dP Min 23) needs 1 + 70 + 23 = 94 kPa, above every controller's
// range (at most 80); no static valve carries 3 l/s.
TEST_F(BalanceSystem, AFootDeviceTheCatalogueLacksMakesTheResultIncomplete)
{
    const struct {
        FootDevice foot;
        SystemWarning warning;
    } cases[] = {
        {FootDevice::Controller, SystemWarning::NoController},
        {FootDevice::FixedOrificeValve, SystemWarning::NoFootValve},
        {FootDevice::VariableOrificeValve, SystemWarning::NoFootValve},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.foot));
        HydronicSystem system;
        system.branches = {branchOf({circuit("V1", 0.5f, 5, 1, Kind::VariableOrifice)}, 2, FootDevice::None),
                           branchOf({circuit("P1", 3.0f, 70, 1, Kind::PressureIndependent)}, 2, c.foot)};
        const SystemResult result = balanceSystem(state, db, system);
        EXPECT_FALSE(result.complete);
        EXPECT_EQ(result.incomplete, std::vector<std::size_t>{1});
        EXPECT_TRUE(has(result.branches[1].warnings, c.warning));
    }
}

// The main's pipe carries the flow of every branch beyond it: the first
// section 0.5 + 0.3 l/s, the second 0.3 l/s. Its velocity is checked
// against the system's limit.
TEST_F(BalanceSystem, TheMainsPipesCarryTheBranchesBeyondThem)
{
    HydronicSystem system;
    system.settings.limits.velocityLimit = 0.5f;
    system.branches = {branchOf({circuit("A1", 0.5f, 5, 1, Kind::VariableOrifice)}, 0, FootDevice::None),
                       branchOf({circuit("B1", 0.3f, 5, 1, Kind::VariableOrifice)}, 0, FootDevice::None)};
    // 0.8 l/s in DN 32 (36 mm): w = 0.0008 / (pi 0.018^2) = 0.786 m/s;
    // 0.3 l/s in the same pipe: 0.295 m/s.
    for (SystemBranch& branch : system.branches)
        branch.main.pipe = PipeSection{10, 36.0f, kSteelRoughnessMm, 1};
    const SystemResult result = balanceSystem(state, db, system);
    ASSERT_TRUE(result.complete);
    ASSERT_TRUE(result.branches[0].mainSection && result.branches[1].mainSection);
    EXPECT_NEAR(result.branches[0].mainSection->flow, 0.8f, 1e-6f);
    EXPECT_NEAR(result.branches[0].mainSection->velocity, 0.786f, 1e-3f);
    EXPECT_NEAR(result.branches[1].mainSection->velocity, 0.295f, 1e-3f);
    EXPECT_TRUE(has(result.branches[0].warnings, SystemWarning::MainVelocityAboveLimit));
    EXPECT_FALSE(has(result.branches[1].warnings, SystemWarning::MainVelocityAboveLimit));
    EXPECT_GT(result.branches[0].mainLoss, result.branches[1].mainLoss);

    state.engine.fluidIndex = 3; // a glycol mixture: no viscosity for the pipes
    EXPECT_FALSE(balanceSystem(state, db, system).complete);
}

// The branch calculation in reverse return: return section i carries the
// circuits 1..i, so with equal pipes the last return runs fastest.
TEST_F(BalanceSystem, ReturnSectionsCarryTheCircuitsBeforeThem)
{
    Branch branch;
    branch.circuits = {circuit("C1", 0.2f, 9, 1, Kind::VariableOrifice), circuit("C2", 0.3f, 9, 1, Kind::VariableOrifice),
                       circuit("C3", 0.1f, 9, 1, Kind::VariableOrifice)};
    BranchOptions options;
    for (int i = 0; i < 3; ++i)
        options.returns.push_back({0.0f, PipeSection{5, 21.6f, kSteelRoughnessMm, 0}});
    const BranchResult result = balanceBranch(state, db, branch, options);
    ASSERT_TRUE(result.complete);
    const float flows[] = {0.2f, 0.5f, 0.6f};
    for (std::size_t i = 0; i < 3; ++i) {
        ASSERT_TRUE(result.circuits[i].returnSection) << i;
        EXPECT_NEAR(result.circuits[i].returnSection->flow, flows[i], 1e-6f) << i;
    }
    EXPECT_LT(result.circuits[0].returnLoss, result.circuits[1].returnLoss);
    EXPECT_LT(result.circuits[1].returnLoss, result.circuits[2].returnLoss);
    // S_i = s_1..s_i + r_i..r_3.
    const float r1 = result.circuits[0].returnLoss, r2 = result.circuits[1].returnLoss,
                r3 = result.circuits[2].returnLoss;
    EXPECT_NEAR(result.circuits[0].riserUpTo, 1 + r1 + r2 + r3, 1e-4f);
    EXPECT_NEAR(result.circuits[1].riserUpTo, 2 + r2 + r3, 1e-4f);
    EXPECT_NEAR(result.circuits[2].riserUpTo, 3 + r3, 1e-4f);
}

} // namespace
