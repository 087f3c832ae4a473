#pragma once

// Ids of the texts the system shows, in one place.
namespace system_text {

// A text of the program that the system shows too.
inline constexpr int kControllerFamily = 15; // "Arvelo Statra"

// The system's own texts.

inline constexpr int kBalanceSystem = 189;
inline constexpr int kPlantLoss = 190;             // "Plant loss (%s)"
inline constexpr int kMainLossToTakeOff = 191;     // M_j
inline constexpr int kBranchRequirement = 192;     // H_b
inline constexpr int kAvailableAtTakeOff = 193;    // A_j
inline constexpr int kFootDevice = 194;
inline constexpr int kNoFootDevice = 195;          // "None"
inline constexpr int kSetpoint = 196;
inline constexpr int kDpFootDevice = 197;
inline constexpr int kIndexBranch = 198;
inline constexpr int kControllerProposed = 199;    // "%s at %s": product, setpoint with unit
inline constexpr int kNoController = 200;
inline constexpr int kNoFootValve = 201;
inline constexpr int kMainVelocityAboveLimit = 202; // "%s": the limit with its unit
inline constexpr int kBranchIncomplete = 203;
inline constexpr int kSystemIncomplete = 204;      // "%s": the branches' numbers and names

} // namespace system_text
