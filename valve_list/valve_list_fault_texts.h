#pragma once

#include <string>

struct DbFailure;

// Texts that tell the user a valve list change or read did not happen.
namespace ValveListFaultText {
inline constexpr int kAddFailed = 113;
inline constexpr int kChangeFailed = 114;
inline constexpr int kListNotRead = 115;
inline constexpr int kExportNotRead = 116;
inline constexpr int kChangedSinceShown = 117;
inline constexpr int kFileReplaced = 118;
inline constexpr int kNotRecordedChangedSinceShown = 250;
// Why, in the user's words: the reasons filled into the texts above.
inline constexpr int kReasonBusy = 251;
inline constexpr int kReasonReadOnly = 252;
inline constexpr int kReasonDiskFull = 253;
inline constexpr int kReasonDamaged = 254;
inline constexpr int kReasonOther = 255;
inline constexpr int kReadingsNotRead = 256;
inline constexpr int kCatalogueNotReadStatus = 257;
inline constexpr int kCatalogueNotRead = 258;
} // namespace ValveListFaultText

// One of the texts above filled with the database's reason, in a language:
// the reason as the user can act on it (another program holds the file,
// it is read-only, the disk is full, it is damaged), never the library's
// own words.
std::u16string databaseFailureText(int languageIndex, int textId, const DbFailure& failure);
