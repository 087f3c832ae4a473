#pragma once

#include <cstddef>
#include <vector>

// What a branch asks of the main, all in the same unit.
struct BranchDemand {
    float mainLoss = 0.0f;    // its main section, supply and return
    float requirement = 0.0f; // H_b, its balanced head at the foot
    float footMinimum = 0.0f; // the least drop of its foot device, 0 without one
};

// The heads of a system: per branch the main's loss from the pump to its
// take-off (M_j), the pressure available there (A_j) and the surplus over
// its requirement (A_j - H_b, which its foot device or else its circuits
// take); the pump head and the index branch.
struct SystemHeads {
    std::vector<float> mainUpTo;
    std::vector<float> available;
    std::vector<float> surplus;
    float pumpHead = 0.0f;
    std::size_t indexBranch = 0;
};

// M_j = m_1 + ... + m_j; H = P + max(M_j + H_b + d_j); A_j = H - P - M_j.
// Of equal heads the branch farthest from the pump is the index branch; its
// surplus is d_j exactly, and no surplus falls below d_j through rounding.
// A system without branches needs the plant's loss alone.
SystemHeads systemHeads(float plantLoss, const std::vector<BranchDemand>& branches);
