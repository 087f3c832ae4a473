// A branch's figures beyond any building's water circuit are refused with
// one line naming the circuit, the figure and the limit.

#include "branch/branch_plausibility.h"
#include "tests/branch/branch_fixture.h"

namespace {

using Kind = BranchValveKind;
using BranchPlausibility = BranchTest;

const std::string kBeyond = ", beyond any building's water circuit";

BranchCircuit withKvs(BranchCircuit circuit, float kvs)
{
    circuit.controlValveKvs = kvs;
    return circuit;
}

BranchCircuit withPipe(BranchCircuit circuit, float diameterMm)
{
    circuit.pipe = PipeSection{10.0f, diameterMm, kSteelRoughnessMm, 0.0f};
    return circuit;
}

TEST_F(BranchPlausibility, RefusesACircuitAsReadBeyondTheLimits)
{
    const struct {
        const char* name;
        BranchCircuit circuit;
        std::string message;
    } cases[] = {
        {"at the limits", withKvs(circuit("R1", 0.5f, 1000, 1600, Kind::FixedOrifice), 0.01f), ""},
        {"circuit loss", circuit("R1", 0.5f, 99999, 4, Kind::FixedOrifice),
         "circuit 1 (R1): circuit loss 99999,00 kPa is above 1000 kPa" + kBeyond},
        {"riser loss", circuit("R1", 0.5f, 10, 1600.5f, Kind::FixedOrifice),
         "circuit 1 (R1): riser loss 1600,50 kPa is above 1600 kPa" + kBeyond},
        {"a pipe's riser loss is computed, not read", withPipe(circuit("R1", 0.5f, 10, 5000, Kind::FixedOrifice), 40),
         ""},
        {"control valve Kvs", withKvs(circuit("R1", 0.5f, 10, 4, Kind::FixedOrifice), 0.0001f),
         "circuit 1 (R1): control valve Kvs 0,000100 m3/h is below 0,01 m3/h" + kBeyond},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Branch branch;
        branch.circuits = {circuit("R0", 0.5f, 10, 4, Kind::FixedOrifice), c.circuit};
        std::string expected = c.message;
        if (!expected.empty())
            expected.replace(0, std::string("circuit 1 (R1)").size(), "circuit 2 (R1)");
        EXPECT_EQ(implausibleCircuits(branch), expected);
        EXPECT_EQ(implausibleCircuits(branch, "branch 3 (Nord)"),
                  expected.empty() ? "" : "branch 3 (Nord), " + expected);
    }
}

// 0,5 l/s in a pipe of 0,5 mm runs at 0,0005 / (pi x 0,00025^2) = 2546,48
// m/s; a control valve of Kvs 0,05 takes (36 x 0,5 / 0,05)^2 = 129600 kPa;
// 600 kPa of riser, 1000 of circuit and the fixed valve's least 5,0625
// make a head of 1605,06 kPa.
TEST_F(BranchPlausibility, RefusesAResultBeyondTheLimits)
{
    const struct {
        const char* name;
        BranchCircuit circuit;
        std::string message;
    } cases[] = {
        {"an ordinary circuit", circuit("R1", 0.5f, 10, 4, Kind::FixedOrifice), ""},
        {"a pipe far too narrow", withPipe(circuit("R1", 0.5f, 10, 0, Kind::FixedOrifice), 0.5f),
         "circuit 1 (R1), riser section: velocity 2546,48 m/s is above 5 m/s" + kBeyond},
        {"a control valve far too small", withKvs(circuit("R1", 0.5f, 10, 4, Kind::FixedOrifice), 0.05f),
         "circuit 1 (R1): control valve drop 129600,00 kPa is above 1600 kPa" + kBeyond},
        {"a head beyond PN 16", circuit("R1", 0.5f, 1000, 600, Kind::FixedOrifice),
         "branch: pump head 1605,06 kPa is above 1600 kPa" + kBeyond},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Branch branch;
        branch.circuits = {c.circuit};
        EXPECT_EQ(implausibleBranchResult(state, branch, balanceBranch(state, db, branch)), c.message);
    }
}

// The limits are in kPa whatever unit the results are in.
TEST_F(BranchPlausibility, ComparesPressuresInKilopascalInAnyUnit)
{
    Branch branch;
    branch.circuits = {circuit("R1", 0.5f, 1000, 600, Kind::FixedOrifice)};
    state.engine.pressureUnitIndex = 8; // mbar: the head reads 16050,6
    EXPECT_EQ(implausibleBranchResult(state, branch, balanceBranch(state, db, branch)),
              "branch: pump head 1605,06 kPa is above 1600 kPa" + kBeyond);
}

} // namespace
