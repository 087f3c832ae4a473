#pragma once

// The controls of the branch window (template 107) by role.
namespace BranchWindowId {

inline constexpr int kNameCaption = 1201;
inline constexpr int kNameField = 1202;
inline constexpr int kMinimumDpCaption = 1203;
inline constexpr int kMinimumDpField = 1204;
inline constexpr int kNoiseLimitCaption = 1205;
inline constexpr int kNoiseLimitField = 1206;
inline constexpr int kCircuitTable = 1207;
inline constexpr int kDeleteRowButton = 1208;
inline constexpr int kMoveUpButton = 1209;
inline constexpr int kMoveDownButton = 1210;
inline constexpr int kCalculateButton = 1211;
inline constexpr int kResultList = 1212;
inline constexpr int kPumpHeadLabel = 1213;
inline constexpr int kIndexLabel = 1214;
inline constexpr int kChart = 1215;
inline constexpr int kAddButton = 1216;
inline constexpr int kSavedCaption = 1217;
inline constexpr int kSavedList = 1218;
inline constexpr int kOpenButton = 1219;
inline constexpr int kRenameButton = 1220;
inline constexpr int kDeleteButton = 1221;
inline constexpr int kFlowCalculationButton = 1222;
inline constexpr int kExportChartButton = 1223;
inline constexpr int kFluidTemperatureCaption = 1240;
inline constexpr int kFluidTemperatureField = 1241;
inline constexpr int kVelocityLimitCaption = 1242;
inline constexpr int kVelocityLimitField = 1243;
inline constexpr int kAuthorityLimitCaption = 1244;
inline constexpr int kAuthorityLimitField = 1245;
inline constexpr int kOpenFileButton = 1246;
inline constexpr int kSaveFileButton = 1247;
inline constexpr int kBalanceSystemButton = 1248;

} // namespace BranchWindowId
