#pragma once

#include <cstddef>
#include <vector>

// The pressures of one circuit, all in the same unit.
struct CircuitPressures {
    float riserLoss = 0.0f;      // s_i
    float circuitLoss = 0.0f;    // c_i
    float minimumValveDp = 0.0f; // m_i
};

// What balancing a direct-return branch gives: per circuit the riser loss up
// to its take-off (S_i) and the pressure drop its valve must take (v_i), the
// pump head H and the index circuit (the one whose valve takes only m_i).
struct BranchHeads {
    std::vector<float> riserUpTo;
    std::vector<float> valveDp;
    float pumpHead = 0.0f;
    std::size_t indexCircuit = 0;
};

// S_i = s_1 + ... + s_i; H = max(S_i + c_i + m_i); v_i = H - S_i - c_i.
// Of equal heads the circuit farthest from the pump is the index circuit.
// v_i never falls below m_i through rounding, and the index circuit's v_i
// is m_i exactly. An empty branch has a head of 0.
BranchHeads balanceHeads(const std::vector<CircuitPressures>& circuits);
