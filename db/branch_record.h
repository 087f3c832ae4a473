#pragma once

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
};

// Defaults an engineer starts from: a static valve reads reliably from about
// 3 kPa, and above about 25 kPa it starts to whistle.
inline constexpr float kDefaultMinimumStaticDp = 3.0f;
inline constexpr float kDefaultNoiseLimit = 25.0f;

struct BranchSettings {
    std::string name;
    float minimumStaticDp = kDefaultMinimumStaticDp; // kPa
    float noiseLimit = kDefaultNoiseLimit;           // kPa
};

struct Branch {
    BranchSettings settings;
    std::vector<BranchCircuit> circuits;
};
