#pragma once

// Texts of the commissioning record.
namespace MeasurementText {

inline constexpr int kRecordButton = 113;
inline constexpr int kClickMeasuredValve = 114;
inline constexpr int kCalculateFirst = 115;
inline constexpr int kOtherValve = 116;
inline constexpr int kNotRecorded = 117;
inline constexpr int kMeasuredHeader = 118;

} // namespace MeasurementText
