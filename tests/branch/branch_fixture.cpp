#include "tests/branch/branch_fixture.h"

#include <map>

namespace {

std::map<int, double> linearCurve(int positions, double first, double step)
{
    std::map<int, double> values;
    for (int i = 0; i < positions; ++i)
        values[i] = first + step * i;
    return values;
}

} // namespace

std::string branchCatalogue()
{
    return "INSERT INTO fobv VALUES ('Arvelo Quarz', 1.0, 8.0, 0, 8, 0.1, 'DN 25', 'AQ-025', 10.0, 'mquarz');" +
           presetSql("AQ-025", "Arvelo Quarz", linearCurve(81, 1.0, 0.0875)) +
           "INSERT INTO vobv VALUES ('AN-020', 'Arvelo', 0.5, 4.0, 0, 4, 0.1, 'DN 20', 'mnodo', 0.05, 1.0);" +
           presetSql("AN-020", "Arvelo", linearCurve(41, 0.5, 0.0875)) +
           "INSERT INTO picv VALUES ('Arvelo Flumen-A', 1.0, 5.0, 'AF-050', 400, 'DN 50', 1.0, 5.0, 0.1,"
           " 'mflumen_a');" +
           presetSql("AF-050", "Arvelo Flumen-A", {{4, 2.0}, {5, 3.0}, {30, 4.0}}) +
           startupSql("AF-050", "Arvelo Flumen-A", {{4, 21.0}, {5, 23.0}});
}

void BranchTest::SetUp()
{
    startWith(branchCatalogue());
    state.engine.flowUnitIndex = 2;     // l/s
    state.engine.pressureUnitIndex = 0; // kPa
}

BranchCircuit BranchTest::circuit(const char* designation, float flow, float circuitLoss, float riserLoss,
                                  BranchValveKind kind)
{
    return BranchCircuit{designation, flow, circuitLoss, riserLoss, kind, std::nullopt, std::nullopt, std::nullopt};
}
