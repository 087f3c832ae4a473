#pragma once

// The text table's languages, by the index the program stores.
inline constexpr int kItalian = 0;
inline constexpr int kEnglish = 1;
inline constexpr int kSpanish = 2;
inline constexpr int kGerman = 3;
inline constexpr int kFrench = 4;
inline constexpr int kSwedish = 5;
inline constexpr int kRussian = 6;
