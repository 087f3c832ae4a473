#pragma once

#include "app/app_state.h"
#include "branch/branch_heads.h"
#include "branch/static_drop_ranges.h"
#include "branch/water_properties.h"
#include "db/branch_record.h"
#include "db/return_section.h"

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
    float returnLoss = 0.0f;     // r_i, reverse return only
    float riserUpTo = 0.0f;      // S_i
    float circuitLoss = 0.0f;    // c_i as given, without the control valve
    float controlValveDp = 0.0f; // the control valve's drop at Q_i, 0 without one
    float minimumValveDp = 0.0f; // m_i
    float valveDp = 0.0f;        // v_i
    std::optional<SectionResult> section;
    std::optional<SectionResult> returnSection; // reverse return, from its pipe
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

// How a branch is fed, beyond its circuits. Without returns it is direct
// return; with one return section per circuit, reverse return. Without an
// available head it is balanced on its own (H is its need); with one above
// its need (unit in force), the valves take the surplus.
struct BranchOptions {
    std::vector<ReturnSection> returns;
    std::optional<float> availableHead;
};

// Balances the branch on the sizing engine with the units, fluid and
// preferred models of state: the riser losses of pipe sections at the flow
// of the circuits beyond them, pressure-independent valves at their flow
// (their dP Min is their m_i), static valves at the least drop at which a
// valve of their kind carries their flow (never below the branch's
// minimum), then the heads, then each static valve at (Q_i, v_i) exactly as
// the main window sizes one valve.
BranchResult balanceBranch(const AppState& state, ProductDb& db, const Branch& branch,
                           const BranchOptions& options = {});

// A branch before its heads: every circuit's flow, losses, sections and
// least valve drop, its pressure-independent valves chosen; what its head
// depends on, so that a system can balance the branch at a head found later
// without preparing it twice.
struct PreparedBranch {
    BranchResult result; // no heads, no static valve yet
    std::vector<CircuitPressures> pressures;
};

// The first half of balanceBranch, with the catalogue's static valves read
// once by the caller.
PreparedBranch prepareBranch(const AppState& state, ProductDb& db, const Branch& branch,
                             const std::vector<ReturnSection>& returns, const StaticValveRows& staticRows);

// The second half: the heads at the branch's need or the available head
// (unit in force), every static valve sized at its drop, the warnings.
BranchResult finishBranch(const AppState& state, ProductDb& db, const Branch& branch, PreparedBranch prepared,
                          std::optional<float> availableHead);

// A static valve of the kind sized by the engine at (Q, dP), units in force,
// as the main window sizes one; engine is a copy of the settings
// (engineSettingsOf) that the sizing overwrites.
BranchValve staticValveAt(AppState& engine, ProductDb& db, BranchValveKind kind, float flow, float valveDp);

// The least drop (unit in force), not below minimum, at which the engine
// finds a static valve of the kind for the flow; none when no valve of the
// kind carries it.
std::optional<float> leastStaticDrop(AppState& engine, ProductDb& db, const StaticValveRows& rows,
                                     BranchValveKind kind, float flow, float minimum);

// The fluid of state at the branch's temperature, for its pipe sections:
// water only, from 0 to 100 C; none otherwise.
std::optional<FluidProperties> pipeFluidOf(const AppState& state, float celsius);

// A fresh state with only the part of state the engine reads, its engine
// settings (units, fluid, preferences): the branch sizes on it and leaves
// state untouched.
AppState engineSettingsOf(const AppState& state);
