#include "system/system_heads.h"

#include <algorithm>

SystemHeads systemHeads(float plantLoss, const std::vector<BranchDemand>& branches)
{
    SystemHeads heads;
    heads.mainUpTo.reserve(branches.size());
    float main = 0.0f;
    float worst = 0.0f;
    for (std::size_t j = 0; j < branches.size(); ++j) {
        main += branches[j].mainLoss;
        heads.mainUpTo.push_back(main);
        const float needed = main + branches[j].requirement + branches[j].footMinimum;
        if (j == 0 || needed >= worst) {
            worst = needed;
            heads.indexBranch = j;
        }
    }
    heads.pumpHead = plantLoss + worst;
    for (std::size_t j = 0; j < branches.size(); ++j) {
        const float least = branches[j].requirement + branches[j].footMinimum;
        heads.available.push_back(j == heads.indexBranch ? least : std::max(worst - heads.mainUpTo[j], least));
        const float surplus = heads.available[j] - branches[j].requirement;
        heads.surplus.push_back(j == heads.indexBranch ? branches[j].footMinimum
                                                       : std::max(surplus, branches[j].footMinimum));
    }
    return heads;
}
