#pragma once

// The controls of the system window (template 110) by role.
namespace SystemWindowId {

inline constexpr int kNameCaption = 1401;
inline constexpr int kNameField = 1402;
inline constexpr int kPlantLossCaption = 1403;
inline constexpr int kPlantLossField = 1404;
inline constexpr int kNoiseLimitCaption = 1405;
inline constexpr int kNoiseLimitField = 1406;
inline constexpr int kMinimumDpCaption = 1407;
inline constexpr int kMinimumDpField = 1408;
inline constexpr int kFluidTemperatureCaption = 1409;
inline constexpr int kFluidTemperatureField = 1410;
inline constexpr int kVelocityLimitCaption = 1411;
inline constexpr int kVelocityLimitField = 1412;
inline constexpr int kBranchTable = 1413;
inline constexpr int kDeleteRowButton = 1414;
inline constexpr int kMoveUpButton = 1415;
inline constexpr int kMoveDownButton = 1416;
inline constexpr int kOpenBranchButton = 1417;
inline constexpr int kCalculateButton = 1418;
inline constexpr int kResultList = 1419;
inline constexpr int kPumpHeadLabel = 1420;
inline constexpr int kIndexLabel = 1421;
inline constexpr int kChart = 1422;
inline constexpr int kSavedCaption = 1423;
inline constexpr int kSavedList = 1424;
inline constexpr int kOpenButton = 1425;
inline constexpr int kRenameButton = 1426;
inline constexpr int kDeleteButton = 1427;

} // namespace SystemWindowId
