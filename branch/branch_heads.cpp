#include "branch/branch_heads.h"

#include <algorithm>

BranchHeads balanceHeads(const std::vector<CircuitPressures>& circuits)
{
    BranchHeads heads;
    heads.riserUpTo.reserve(circuits.size());
    float riser = 0.0f;
    for (std::size_t i = 0; i < circuits.size(); ++i) {
        riser += circuits[i].riserLoss;
        heads.riserUpTo.push_back(riser);
        const float needed = riser + circuits[i].circuitLoss + circuits[i].minimumValveDp;
        if (i == 0 || needed >= heads.pumpHead) {
            heads.pumpHead = needed;
            heads.indexCircuit = i;
        }
    }
    heads.valveDp.reserve(circuits.size());
    for (std::size_t i = 0; i < circuits.size(); ++i) {
        const float rest = heads.pumpHead - heads.riserUpTo[i] - circuits[i].circuitLoss;
        heads.valveDp.push_back(i == heads.indexCircuit ? circuits[i].minimumValveDp
                                                        : std::max(rest, circuits[i].minimumValveDp));
    }
    return heads;
}
