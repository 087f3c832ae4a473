// The circuits file the window writes reads back, through the command's own
// reader, as the very circuits written.

#include "tests/branch/branch_fixture.h"

#include "branch/circuits_file.h"

#include <sstream>

namespace {

using CircuitsFile = BranchTest;

TEST_F(CircuitsFile, WrittenCircuitsReadBackUnchanged)
{
    Branch written;
    BranchCircuit quoted = circuit("R \"1\"; east", 0.123456789f, 10.0f / 3.0f, 1e-3f, BranchValveKind::FixedOrifice);
    BranchCircuit piped = circuit("P2", 2.5f, 5, 0, BranchValveKind::PressureIndependent);
    piped.pipe = PipeSection{12.5f, 27.3f, 0.0015f, 2.25f}; // copper, fittings
    piped.controlValveKvs = 6.3f;
    BranchCircuit large = circuit("", 1234.5678f, 0, 987654.3f, BranchValveKind::VariableOrifice);
    written.circuits = {quoted, piped, large};

    std::istringstream file(branchCircuitsFile(written));
    Branch read;
    ASSERT_EQ(readBranchCircuits(file, state, read), "");
    ASSERT_EQ(read.circuits.size(), written.circuits.size());
    for (std::size_t i = 0; i < read.circuits.size(); ++i) {
        const BranchCircuit& a = written.circuits[i];
        const BranchCircuit& b = read.circuits[i];
        SCOPED_TRACE(a.designation);
        EXPECT_EQ(b.designation, a.designation);
        EXPECT_EQ(b.flow, a.flow) << "every digit single precision holds";
        EXPECT_EQ(b.circuitLoss, a.circuitLoss);
        EXPECT_EQ(b.riserLoss, a.riserLoss);
        EXPECT_EQ(b.kind, a.kind);
        EXPECT_EQ(b.controlValveKvs, a.controlValveKvs);
        ASSERT_EQ(b.pipe.has_value(), a.pipe.has_value());
        if (a.pipe) {
            EXPECT_EQ(b.pipe->lengthM, a.pipe->lengthM);
            EXPECT_EQ(b.pipe->innerDiameterMm, a.pipe->innerDiameterMm);
            EXPECT_EQ(b.pipe->roughnessMm, a.pipe->roughnessMm);
            EXPECT_EQ(b.pipe->zeta, a.pipe->zeta);
        }
    }
}

} // namespace
