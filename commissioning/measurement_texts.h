#pragma once

// Texts of the commissioning record.
namespace MeasurementText {

inline constexpr int kRecordButton = 120;
inline constexpr int kClickMeasuredValve = 121;
inline constexpr int kCalculateFirst = 122;
inline constexpr int kOtherValve = 123;
inline constexpr int kNotRecorded = 124;
inline constexpr int kMeasuredHeader = 125;

} // namespace MeasurementText
