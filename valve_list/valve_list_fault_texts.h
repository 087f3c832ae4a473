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
} // namespace ValveListFaultText

// One of the texts above filled with the database's reason, in a language.
std::u16string databaseFailureText(int languageIndex, int textId, const DbFailure& failure);
