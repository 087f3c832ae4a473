#pragma once

// Ids of the texts the system shows, in one place.
namespace system_text {

// A text of the program that the system shows too.
inline constexpr int kControllerFamily = 15; // "Arvelo Statra"

// The system's own texts.

inline constexpr int kBalanceSystem = 224;
inline constexpr int kPlantLoss = 225;             // "Plant loss (%s)"
inline constexpr int kMainLossToTakeOff = 226;     // M_j
inline constexpr int kBranchRequirement = 227;     // H_b
inline constexpr int kAvailableAtTakeOff = 228;    // A_j
inline constexpr int kFootDevice = 229;
inline constexpr int kNoFootDevice = 230;          // "None"
inline constexpr int kSetpoint = 231;
inline constexpr int kDpFootDevice = 232;
inline constexpr int kIndexBranch = 233;
inline constexpr int kControllerProposed = 234;    // "%s at %s": product, setpoint with unit
inline constexpr int kNoController = 235;
inline constexpr int kNoFootValve = 236;
inline constexpr int kMainVelocityAboveLimit = 237; // "%s": the limit with its unit
inline constexpr int kBranchIncomplete = 238;
inline constexpr int kSystemIncomplete = 239;      // "%s": the branches' numbers and names

} // namespace system_text
