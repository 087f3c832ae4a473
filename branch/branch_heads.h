#pragma once

#include <cstddef>
#include <optional>
#include <vector>

// The pressures of one circuit, all in the same unit.
struct CircuitPressures {
    float riserLoss = 0.0f;      // s_i (a reverse-return branch: the supply section only)
    float circuitLoss = 0.0f;    // c_i
    float minimumValveDp = 0.0f; // m_i
    float returnLoss = 0.0f;     // r_i, reverse return: the return from circuit i on; 0 in direct return
};

// What balancing a branch gives: per circuit the riser loss on its path
// (S_i) and the pressure drop its valve must take (v_i), the head H and the
// index circuit (the one whose valve takes only m_i).
struct BranchHeads {
    std::vector<float> riserUpTo;
    std::vector<float> valveDp;
    float pumpHead = 0.0f;
    std::size_t indexCircuit = 0;
};

// S_i = s_1 + ... + s_i + r_i + ... + r_n (the r are 0 in direct return);
// H = max(S_i + c_i + m_i); v_i = H - S_i - c_i.
// Of equal heads the circuit farthest from the pump is the index circuit.
// v_i never falls below m_i through rounding, and the index circuit's v_i
// is m_i exactly. An empty branch has a head of 0.
// With an available head above H the branch is fed at that head instead:
// every valve, the index circuit's too, takes what is left over.
BranchHeads balanceHeads(const std::vector<CircuitPressures>& circuits,
                         std::optional<float> availableHead = std::nullopt);
