#pragma once

#include "db/branch_record.h"
#include "db/hydraulic_limits.h"
#include "db/return_section.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// What stands at a branch's foot, where it leaves the main.
enum class FootDevice : std::int32_t {
    None = 0,                 // the circuits' valves take the branch's surplus
    FixedOrificeValve = 1,    // a static branch balancing valve
    VariableOrificeValve = 2, // a static branch balancing valve
    Controller = 3,           // a differential pressure controller
};

// The main from the pump (or the previous take-off) to a branch's take-off,
// supply and return together; its pipe, when given, replaces the typed loss
// (kPa) at the flow of the branches beyond it.
struct MainSection {
    float loss = 0.0f;
    std::optional<PipeSection> pipe;
};

// One branch on the main, in order from the pump. Without returns it is
// direct return; with one per circuit, reverse return (then each circuit's
// pipe is its supply section only).
struct SystemBranch {
    Branch branch;
    MainSection main;
    FootDevice foot = FootDevice::None;
    std::vector<ReturnSection> returns;
};

// The system's own figures, in base units like a branch's.
struct SystemSettings {
    std::string name;
    float plantLoss = 0.0f; // kPa: boiler or chiller, its valves and strainer
    HydraulicLimits limits; // the main's pipes and the foot devices
};

struct HydronicSystem {
    SystemSettings settings;
    std::vector<SystemBranch> branches;
};
