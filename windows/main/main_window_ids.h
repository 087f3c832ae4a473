#pragma once

// The controls of the main window (template 102) by role.
namespace MainWindowId {

inline constexpr int kBanner = 1033;

inline constexpr int kSizingButton = 7;
inline constexpr int kCommissioningButton = 9;

inline constexpr int kStaticGroupButton = 1037;
inline constexpr int kStaticGroupCaption = 1029;
inline constexpr int kDynamicGroupButton = 1038;
inline constexpr int kDynamicGroupCaption = 1030;

inline constexpr int kSettingsFrame = 1031;
inline constexpr int kPreferencesButton = 1048;
inline constexpr int kUnitsButton = 1049;
inline constexpr int kLanguageButton = 1050;
inline constexpr int kBalanceBranchButton = 1060;
// The symbol of the balance-branch button: a riser with its take-offs.
inline constexpr int kBalanceBranchImage = 242;
inline constexpr int kCloseButton = 1;

inline constexpr int kTypeFrame = 1056;
inline constexpr int kFirstTypeButton = 1039;
inline constexpr int kFirstTypeCaption = 1052;
inline constexpr int kSecondTypeButton = 1040;
inline constexpr int kSecondTypeCaption = 1053;

inline constexpr int kProjectDataFrame = 1032;
inline constexpr int kFirstInputCaption = 1027;
inline constexpr int kFirstInput = 1005;
inline constexpr int kFlowCalculationButton = 1042;
inline constexpr int kSecondInputCaption = 1034;
inline constexpr int kSecondInput = 1007;
inline constexpr int kCalculateButton = 11;
inline constexpr int kDisclaimer = 1047;
inline constexpr int kCandidateList = 1017;

inline constexpr int kResultsFrame = 1051;
inline constexpr int kTypeSeriesLabel = 1046;
inline constexpr int kValvePicture = 1045;
inline constexpr int kValveDetails = 1010;
inline constexpr int kFirstResultCaption = 1036;
inline constexpr int kFirstResult = 1006;
inline constexpr int kSecondResultCaption = 1043;
inline constexpr int kSecondResult = 1008;
inline constexpr int kThirdResultCaption = 1044;
inline constexpr int kThirdResult = 1009;

inline constexpr int kProjectCaption = 1054;
inline constexpr int kProjectField = 1018;
inline constexpr int kCustomerCaption = 1055;
inline constexpr int kCustomerField = 1019;
inline constexpr int kDesignationCaption = 1035;
inline constexpr int kDesignationField = 1016;
inline constexpr int kAddButton = 8;

inline constexpr int kValveListFrame = 1022;
inline constexpr int kValveList = 1014;
inline constexpr int kDeleteTableButton = 6;
inline constexpr int kDeleteValveButton = 10;
inline constexpr int kExportButton = 4;
inline constexpr int kRecordMeasurementButton = 1100;

// The About item of the window menu.
inline constexpr int kAboutCommand = 16;

} // namespace MainWindowId
