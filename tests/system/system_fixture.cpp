#include "tests/system/system_fixture.h"

std::string systemCatalogue()
{
    return branchCatalogue() +
           "INSERT INTO dpcv VALUES ('Arvelo Statra-A', 0.12, 1.24, 5, 25, 'AS-040-01', 'DN 40', 'mstatra_a');"
           "INSERT INTO dpcv VALUES ('Arvelo Statra-A', 0.12, 1.24, 20, 40, 'AS-040-03', 'DN 40', 'mstatra_a');"
           "INSERT INTO dpcv VALUES ('Arvelo Statra-A', 1.4, 13.7, 20, 80, 'AS-100-05', 'DN 100', 'mstatra_af');"
           "INSERT INTO dpcv VALUES ('Arvelo Statra-B', 0.2, 2.0, 10, 60, 'AB-050-04', 'DN 50', 'mstatra_b');";
}

void SystemTest::SetUp()
{
    startWith(systemCatalogue());
    state.engine.flowUnitIndex = 2;     // l/s
    state.engine.pressureUnitIndex = 0; // kPa
}

SystemBranch SystemTest::branchOf(std::vector<BranchCircuit> circuits, float mainLoss, FootDevice foot)
{
    SystemBranch branch;
    branch.branch.circuits = std::move(circuits);
    branch.main.loss = mainLoss;
    branch.foot = foot;
    return branch;
}
