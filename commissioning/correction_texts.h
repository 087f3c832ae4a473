#pragma once

// Texts of the presetting correction, the plausibility question and the
// protocol's method, readings, appendix and fitter's page.
namespace CorrectionText {

inline constexpr int kPresettingFound = 203;
inline constexpr int kPresettingToSet = 204;
inline constexpr int kFitterTitle = 205;
inline constexpr int kBiggerValveNeeded = 206;
inline constexpr int kSmallerValveNeeded = 207;
inline constexpr int kImplausibleQuestion = 208;
inline constexpr int kDpAboveMaximum = 209;
inline constexpr int kFlowAboveThreeTimes = 210;
inline constexpr int kImplausibleMark = 211;
inline constexpr int kMethodFixedOrifice = 212;
inline constexpr int kMethodPicv = 213;
inline constexpr int kCurveCell = 214;
inline constexpr int kReadingCount = 215;
inline constexpr int kEarlierReadings = 216;
inline constexpr int kValve = 217;
inline constexpr int kPresettingOffScale = 218;
inline constexpr int kMethodVariableOrifice = 259;

} // namespace CorrectionText
