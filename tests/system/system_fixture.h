#pragma once

#include "system/balance_system.h"
#include "tests/branch/branch_fixture.h"

#include <string>

// The branch's small catalogue and differential pressure controllers
// besides (flows in l/s, setpoint ranges in kPa):
// - Arvelo Statra-A DN 40, 0.12 to 1.24 l/s: AS-040-01 5 to 25 kPa,
//   AS-040-03 20 to 40 kPa;
// - Arvelo Statra-A DN 100, 1.4 to 13.7 l/s, 20 to 80 kPa: AS-100-05;
// - Arvelo Statra-B DN 50, 0.2 to 2 l/s, 10 to 60 kPa: AB-050-04.
std::string systemCatalogue();

// A started program on that catalogue with flows in l/s and pressures in kPa.
class SystemTest : public BranchTest {
protected:
    void SetUp() override;

    static SystemBranch branchOf(std::vector<BranchCircuit> circuits, float mainLoss, FootDevice foot);
};
