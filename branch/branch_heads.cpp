#include "branch/branch_heads.h"

#include <algorithm>

BranchHeads balanceHeads(const std::vector<CircuitPressures>& circuits, std::optional<float> availableHead)
{
    const std::size_t count = circuits.size();
    std::vector<float> returnFrom(count + 1, 0.0f);
    for (std::size_t i = count; i-- > 0;)
        returnFrom[i] = returnFrom[i + 1] + circuits[i].returnLoss;

    BranchHeads heads;
    heads.riserUpTo.reserve(count);
    float supply = 0.0f;
    for (std::size_t i = 0; i < count; ++i) {
        supply += circuits[i].riserLoss;
        const float riser = supply + returnFrom[i];
        heads.riserUpTo.push_back(riser);
        const float needed = riser + circuits[i].circuitLoss + circuits[i].minimumValveDp;
        if (i == 0 || needed >= heads.pumpHead) {
            heads.pumpHead = needed;
            heads.indexCircuit = i;
        }
    }
    const float needed = heads.pumpHead;
    if (availableHead && *availableHead > needed)
        heads.pumpHead = *availableHead;
    const float surplus = heads.pumpHead - needed;
    heads.valveDp.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        const float rest = heads.pumpHead - heads.riserUpTo[i] - circuits[i].circuitLoss;
        heads.valveDp.push_back(i == heads.indexCircuit ? circuits[i].minimumValveDp + surplus
                                                        : std::max(rest, circuits[i].minimumValveDp));
    }
    return heads;
}
