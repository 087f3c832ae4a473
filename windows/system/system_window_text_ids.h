#pragma once

// Ids of the texts only the system window shows, in one place.
namespace system_window_text {

inline constexpr int kSystemName = 240;
inline constexpr int kSavedSystems = 241;
inline constexpr int kOpenBranch = 242;
inline constexpr int kSystem = 243;             // the stem of "System N"
inline constexpr int kEnterSystemName = 244;
inline constexpr int kSystemNameTaken = 245;    // "%s": the name
inline constexpr int kSystemNotSaved = 246;
inline constexpr int kSectionLossAndPipe = 247;
inline constexpr int kMainPipeIncomplete = 248; // "%s": the branch's number and name

} // namespace system_window_text
