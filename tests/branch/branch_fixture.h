#pragma once

#include "branch/balance_branch.h"
#include "tests/sizing/sizing_fixture.h"

#include <string>

// A small catalogue with one valve of each kind a branch uses, all with
// linear presetting curves:
// - fixed orifice AQ-025: orifice Kvs 10, Kv 1 + 0.0875 per position
//   (presetting 0 to 8 in steps of 0.1);
// - variable orifice AN-020: Kv 0.5 to 4, Kv 0.5 + 0.0875 per position,
//   0.05 to 1 l/s;
// - pressure-independent AF-050: 1 to 5 l/s, 2 l/s at position 4 and 3 l/s
//   at position 5 (presetting 1.4 and 1.5), dP Min 21 and 23 kPa there,
//   maximum dP 400 kPa.
std::string branchCatalogue();

// A started program on that catalogue with flows in l/s and pressures in kPa.
class BranchTest : public SizingTest {
protected:
    void SetUp() override;

    static BranchCircuit circuit(const char* designation, float flow, float circuitLoss, float riserLoss,
                                 BranchValveKind kind);
};
