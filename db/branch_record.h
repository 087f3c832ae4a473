#pragma once

#include "db/hydraulic_limits.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// The valve a circuit is balanced with.
enum class BranchValveKind : std::int32_t {
    FixedOrifice = 0,
    VariableOrifice = 1,
    PressureIndependent = 2,
};

// The heat load a circuit's flow was calculated from, as typed in the flow
// calculation, with the labels of the units it was typed in.
struct CircuitHeatLoad {
    float power = 0.0f;
    std::string powerUnit;
    float supplyTemperature = 0.0f;
    float returnTemperature = 0.0f;
    std::string temperatureUnit;
};

// Steel pipe as delivered; the usual figure when the pipe is not known better.
inline constexpr float kSteelRoughnessMm = 0.045f;

// The riser section from the previous take-off (or the pump) to a circuit's
// take-off, from which its loss is computed instead of being typed.
struct PipeSection {
    float lengthM = 0.0f;         // route length, supply and return together
    float innerDiameterMm = 0.0f;
    float roughnessMm = kSteelRoughnessMm;
    float zeta = 0.0f;            // sum of the section's fittings
};

// One circuit of a two-pipe, direct-return branch, in order from the pump.
// Numbers are kept in base units (l/s, kPa) so that a branch saved under one
// choice of units reads the same under another.
struct BranchCircuit {
    std::string designation;
    float flow = 0.0f;        // design flow, l/s
    float circuitLoss = 0.0f; // the circuit's own loss without its balancing valve, kPa
    float riserLoss = 0.0f;   // supply and return between the previous take-off (or the pump) and this one, kPa
    BranchValveKind kind = BranchValveKind::FixedOrifice;
    // Only while the flow is the one calculated from it.
    std::optional<CircuitHeatLoad> heatLoad;
    // Given, it replaces riserLoss: the section's loss at the flow it carries.
    std::optional<PipeSection> pipe;
    // The circuit's control valve, m3/h; its drop adds to the circuit loss.
    std::optional<float> controlValveKvs;
};

struct BranchSettings {
    std::string name;
    HydraulicLimits limits;
};

struct Branch {
    BranchSettings settings;
    std::vector<BranchCircuit> circuits;
};
