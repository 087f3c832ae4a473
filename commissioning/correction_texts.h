#pragma once

// Texts of the presetting correction, the plausibility question and the
// protocol's method, readings, appendix and fitter's page.
namespace CorrectionText {

inline constexpr int kPresettingFound = 189;
inline constexpr int kPresettingToSet = 190;
inline constexpr int kFitterTitle = 191;
inline constexpr int kBiggerValveNeeded = 192;
inline constexpr int kSmallerValveNeeded = 193;
inline constexpr int kImplausibleQuestion = 194;
inline constexpr int kDpAboveMaximum = 195;
inline constexpr int kFlowAboveThreeTimes = 196;
inline constexpr int kImplausibleMark = 197;
inline constexpr int kMethodFixedOrifice = 198;
inline constexpr int kMethodPicv = 199;
inline constexpr int kCurveCell = 200;
inline constexpr int kReadingCount = 201;
inline constexpr int kEarlierReadings = 202;
inline constexpr int kValve = 203;
inline constexpr int kPresettingOffScale = 204;

} // namespace CorrectionText
