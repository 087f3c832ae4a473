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
inline constexpr int kFlowCalculation = 95;     // "Flow rate calculation"
inline constexpr int kSelectFileName = 46;
inline constexpr int kFileSaved = 47;

// The branch's own texts.
inline constexpr int kBalanceBranch = 150;
inline constexpr int kRiserLoss = 151;          // "Riser loss (%s)", s_i
inline constexpr int kCircuitLoss = 152;        // c_i
inline constexpr int kRiserLossToTakeOff = 153; // S_i
inline constexpr int kPumpHead = 154;
inline constexpr int kIndexCircuit = 155;
inline constexpr int kPresettingOutsideScale = 156;
inline constexpr int kNoiseRisk = 157;          // "%s": the limit with its unit
inline constexpr int kAbovePicvMaximum = 158;   // "%s": the maximum with its unit
inline constexpr int kWarnings = 159;
inline constexpr int kMinimumStaticDp = 160;
inline constexpr int kNoiseLimit = 161;
inline constexpr int kBranchName = 162;
inline constexpr int kCalculate = 163;
inline constexpr int kAddToValveList = 164;
inline constexpr int kOpen = 165;
inline constexpr int kRename = 166;
inline constexpr int kDelete = 167;
inline constexpr int kDeleteRow = 168;
inline constexpr int kMoveUp = 169;
inline constexpr int kMoveDown = 170;
inline constexpr int kDesignationSkipped = 171; // "%s": the designation
inline constexpr int kBranch = 172;
inline constexpr int kEnterBranchName = 173;
inline constexpr int kBranchNameTaken = 174;    // "%s": the name
inline constexpr int kValvesAdded = 175;        // "%s": how many
inline constexpr int kSavedBranches = 176;
inline constexpr int kCalculateFirst = 177;
inline constexpr int kBranchNotSaved = 178;
inline constexpr int kExportChart = 179;
inline constexpr int kSectionFlow = 180;         // "Section flow (%s)"
inline constexpr int kVelocity = 181;            // "Velocity (%s)"
inline constexpr int kSectionLoss = 182;         // "Section loss (%s)", s_i from the pipe
inline constexpr int kDpControlValve = 183;      // "dP control valve (%s)"
inline constexpr int kAuthority = 184;
inline constexpr int kVelocityAboveLimit = 185;  // "%s": the limit with its unit
inline constexpr int kAuthorityBelowLimit = 186; // "%s": the limit
inline constexpr int kTotalFlow = 187;           // "Total flow (%s)"
inline constexpr int kResultIncomplete = 188;    // "%s": the circuits' numbers and designations
inline constexpr int kRequired = 144;            // "required: %s"

} // namespace branch_text
