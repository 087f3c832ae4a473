#pragma once

#include "app/app_state.h"
#include "branch/water_properties.h"
#include "db/branch_record.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

class ProductDb;

// Why a circuit's result needs the engineer's attention.
enum class BranchWarning : std::int32_t {
    NoValve = 0,                // the engine found no valve for the duty
    PresettingOutsideScale = 1, // below the scale start or above full opening
    NoiseRisk = 2,              // a static valve takes more than the noise limit
    AbovePicvMaximum = 3,       // a pressure-independent valve takes more than its maximum
    VelocityAboveLimit = 4,     // the riser section's velocity exceeds the branch's limit
    LowAuthority = 5,           // the control valve's authority is below the branch's limit
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
    float requiredKv = 0.0f;    // static valves: the Kv the duty needs, m3/h, found or not
};

// The riser section of a circuit computed from its pipe.
struct SectionResult {
    float flow = 0.0f;           // circuits i..n, flow unit in force
    float velocity = 0.0f;       // m/s
    float reynolds = 0.0f;
    float frictionFactor = 0.0f; // Darcy lambda
};

// One circuit's outcome; flows and pressures in the units in force.
struct CircuitResult {
    float flow = 0.0f;
    float riserLoss = 0.0f;      // s_i, typed or from the pipe
    float riserUpTo = 0.0f;      // S_i
    float circuitLoss = 0.0f;    // c_i as given, without the control valve
    float controlValveDp = 0.0f; // the control valve's drop at Q_i, 0 without one
    float minimumValveDp = 0.0f; // m_i
    float valveDp = 0.0f;        // v_i
    std::optional<SectionResult> section;
    std::optional<float> authority; // dp_cv / (H - S_i), with a control valve
    BranchValve valve;
    std::vector<BranchWarning> warnings;
};

// Why a branch has no valid pump head.
enum class BranchGap : std::int32_t {
    None = 0,
    NoValveForFlow = 1,  // a circuit's flow is carried by no valve of its kind
    PipeFluidUnknown = 2, // pipe sections, but no viscosity for the fluid at its temperature
};

struct BranchResult {
    std::vector<CircuitResult> circuits;
    float pumpHead = 0.0f;  // pressure unit in force
    float totalFlow = 0.0f; // the pump's flow, flow unit in force
    std::size_t indexCircuit = 0;
    // The head holds every valve's least drop and every riser loss only
    // when complete; else gap says why, and unsized names the circuits.
    bool complete = true;
    BranchGap gap = BranchGap::None;
    std::vector<std::size_t> unsized; // circuits no valve of their kind carries
};

// Balances the branch on the sizing engine with the units, fluid and
// preferred models of state: the riser losses of pipe sections at the flow
// of the circuits beyond them, pressure-independent valves at their flow
// (their dP Min is their m_i), static valves at the least drop at which a
// valve of their kind carries their flow (never below the branch's
// minimum), then the heads, then each static valve at (Q_i, v_i) exactly as
// the main window sizes one valve.
BranchResult balanceBranch(const AppState& state, ProductDb& db, const Branch& branch);

// The fluid of state at the branch's temperature, for its pipe sections:
// water only, from 0 to 100 C; none otherwise.
std::optional<FluidProperties> pipeFluidOf(const AppState& state, float celsius);

// The part of state the engine reads (units, fluid, preferences), without
// the lists: the branch sizes on a copy of it and leaves state untouched.
AppState engineSettingsOf(const AppState& state);
