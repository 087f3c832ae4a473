#pragma once

#include "app/app_state.h"
#include "db/branch_record.h"

#include <cstddef>
#include <string>
#include <vector>

class ProductDb;

// Why a circuit's result needs the engineer's attention.
enum class BranchWarning : std::int32_t {
    NoValve = 0,                // the engine found no valve for the duty
    PresettingOutsideScale = 1, // below the scale start or above full opening
    NoiseRisk = 2,              // a static valve takes more than the noise limit
    AbovePicvMaximum = 3,       // a pressure-independent valve takes more than its maximum
};

// The valve the engine chose for a circuit, as the main window shows it.
struct BranchValve {
    bool found = false;
    std::string model;
    std::string nominalSize;
    std::string technicalCode;
    float presetting = 0.0f;
    float kvAtSetting = 0.0f;   // static valves, m3/h
    float opening = 0.0f;       // static valves, fraction of full opening
    float flowAtSetting = 0.0f; // pressure-independent valves, flow unit in force
    float dpMin = 0.0f;         // pressure-independent valves, pressure unit in force
    float dpMaxKpa = 0.0f;      // pressure-independent valves, the catalogue's maximum
    bool outsideScale = false;  // presetting below the scale start or beyond full opening
};

// One circuit's outcome; flows and pressures in the units in force.
struct CircuitResult {
    float flow = 0.0f;
    float riserUpTo = 0.0f;      // S_i
    float circuitLoss = 0.0f;    // c_i
    float minimumValveDp = 0.0f; // m_i
    float valveDp = 0.0f;        // v_i
    BranchValve valve;
    std::vector<BranchWarning> warnings;
};

struct BranchResult {
    std::vector<CircuitResult> circuits;
    float pumpHead = 0.0f; // pressure unit in force
    std::size_t indexCircuit = 0;
};

// Balances the branch on the sizing engine with the units, fluid and
// preferred models of state: pressure-independent valves at their flow
// first (their dP Min is their m_i), then the heads, then each static valve
// at (Q_i, v_i) exactly as the main window sizes one valve.
BranchResult balanceBranch(const AppState& state, ProductDb& db, const Branch& branch);

// The part of state the engine reads (units, fluid, preferences), without
// the lists: the branch sizes on a copy of it and leaves state untouched.
AppState engineSettingsOf(const AppState& state);
