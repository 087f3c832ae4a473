#pragma once

// Ids of the texts the branch balancing shows, in one place.
namespace branch_text {

// Texts of the program that the branch shows too.
inline constexpr int kFlowRate = 18;            // "Flow rate (%s)"
inline constexpr int kDpValve = 19;             // "dP valve (%s)"
inline constexpr int kPresetting = 24;
inline constexpr int kKvValue = 25;
inline constexpr int kOpening = 26;             // "Opening (%)"
inline constexpr int kDpMin = 29;               // "dP Min (%s)"
inline constexpr int kNoValve = 33;             // "No type series / nominal size available"
inline constexpr int kDesignation = 41;
inline constexpr int kNameType = 50;
inline constexpr int kNominalSize = 51;
inline constexpr int kMaterialNumber = 52;
inline constexpr int kValveType = 9;
inline constexpr int kFixedOrificeFamily = 12;  // "Arvelo Quarz"
inline constexpr int kVariableOrificeFamily = 13;
inline constexpr int kPressureIndependentFamily = 14;
inline constexpr int kNumber = 49;              // "No."
inline constexpr int kDesignationMissing = 104;

// The branch's own texts.
inline constexpr int kBalanceBranch = 113;
inline constexpr int kRiserLoss = 114;          // "Riser loss (%s)", s_i
inline constexpr int kCircuitLoss = 115;        // c_i
inline constexpr int kRiserLossToTakeOff = 116; // S_i
inline constexpr int kPumpHead = 117;
inline constexpr int kIndexCircuit = 118;
inline constexpr int kPresettingOutsideScale = 119;
inline constexpr int kNoiseRisk = 120;          // "%s": the limit with its unit
inline constexpr int kAbovePicvMaximum = 121;   // "%s": the maximum with its unit
inline constexpr int kWarnings = 122;
inline constexpr int kMinimumStaticDp = 123;
inline constexpr int kNoiseLimit = 124;
inline constexpr int kBranchName = 125;
inline constexpr int kCalculate = 126;
inline constexpr int kAddToValveList = 127;
inline constexpr int kOpen = 128;
inline constexpr int kRename = 129;
inline constexpr int kDelete = 130;
inline constexpr int kDeleteRow = 131;
inline constexpr int kMoveUp = 132;
inline constexpr int kMoveDown = 133;
inline constexpr int kDesignationSkipped = 134; // "%s": the designation
inline constexpr int kBranch = 135;
inline constexpr int kEnterBranchName = 136;
inline constexpr int kBranchNameTaken = 137;    // "%s": the name
inline constexpr int kValvesAdded = 138;        // "%s": how many
inline constexpr int kSavedBranches = 139;
inline constexpr int kCalculateFirst = 140;
inline constexpr int kBranchNotSaved = 141;

} // namespace branch_text
