#pragma once

// Texts that keep the valve list's records from being lost unseen: a list
// that could not be read, the questions before deleting, the valves kept,
// and where an export was saved.
namespace ValveListRecordText {
// In the list's place, and when a change or export is refused: "%s" the reason.
inline constexpr int kListNotReadYet = 219;
// "%s" the valves, "%s" the recorded measurements.
inline constexpr int kAskDeleteTable = 220;
// "%s" the valves deleted, "%s" the valves kept.
inline constexpr int kValvesKept = 221;
// "%s" the valve's number and designation, "%s" its measurements.
inline constexpr int kAskDeleteMeasuredValve = 222;
// "%s" the folder.
inline constexpr int kFileSavedIn = 223;
} // namespace ValveListRecordText
