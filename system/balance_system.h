#pragma once

#include "app/app_state.h"
#include "branch/balance_branch.h"
#include "db/catalogue_rows.h"
#include "db/system_record.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

class ProductDb;

// Why a branch of the system needs the engineer's attention.
enum class SystemWarning : std::int32_t {
    MainVelocityAboveLimit = 0, // the main section to its take-off runs too fast
    NoFootValve = 1,            // no static valve of the kind carries the branch's flow
    NoController = 2,           // no controller covers the branch's flow and setpoint
    FootValveOutsideScale = 3,  // the foot valve's presetting lies off its scale
    FootNoiseRisk = 4,          // the static foot valve takes more than the noise limit
    ControllerProposed = 5,     // the surplus is above the noise limit without a controller
    BranchIncomplete = 6,       // the branch's own head is incomplete
};

// The device at a branch's foot as sized; pressures in the unit in force.
struct FootResult {
    FootDevice device = FootDevice::None;
    float minimumDrop = 0.0f; // its least drop at the branch flow, in the pump head
    float drop = 0.0f;        // what it takes at the duty: the branch's surplus
    BranchValve valve;        // a static valve, as the engine sized it
    std::optional<DpcvRow> controller;
    float setpoint = 0.0f;    // a controller's: the branch's requirement
};

// A controller that would take a branch's surplus: the product (none when
// no controller covers the branch) and its setpoint.
struct ControllerProposal {
    std::optional<DpcvRow> controller;
    float setpoint = 0.0f;
};

// One branch as the system feeds it; flows and pressures in the units in force.
struct SystemBranchResult {
    // Its circuits as fed: against its requirement behind a foot device,
    // against the pressure at its take-off without one.
    BranchResult branch;
    float flow = 0.0f;        // Q_b
    float requirement = 0.0f; // H_b, the branch balanced on its own
    float mainLoss = 0.0f;    // its main section, typed or from the pipe
    float mainUpTo = 0.0f;    // M_j, from the pump to its take-off
    float available = 0.0f;  // A_j, the pressure at its take-off
    float surplus = 0.0f;     // A_j - H_b
    std::optional<SectionResult> mainSection;
    FootResult foot;
    std::optional<ControllerProposal> proposal;
    std::vector<SystemWarning> warnings;
};

struct SystemResult {
    std::vector<SystemBranchResult> branches;
    float plantLoss = 0.0f;
    float pumpHead = 0.0f;  // the duty point's head
    float totalFlow = 0.0f; // the duty point's flow
    std::size_t indexBranch = 0;
    // The head holds every branch's requirement and every foot device's
    // least drop only when complete; incomplete names the branches that lack one.
    bool complete = true;
    std::vector<std::size_t> incomplete;
};

// Balances every branch on its own (its requirement), sizes the foot
// devices on the engine at the branch flow (a static valve at its least
// drop, a controller for the requirement as setpoint), computes the main's
// losses at the flow of the branches beyond each section, then the pump
// head and each take-off's pressure; a branch without a foot device is
// balanced again at that pressure, and each static foot valve is sized for
// the surplus, exactly as the main window sizes one valve.
SystemResult balanceSystem(const AppState& state, ProductDb& db, const HydronicSystem& system);
