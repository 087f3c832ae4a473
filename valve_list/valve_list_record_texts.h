#pragma once

// Texts that keep the valve list's records from being lost unseen: a list
// that could not be read, the questions before deleting, the valves kept,
// and where an export was saved.
namespace ValveListRecordText {
// In the list's place, and when a change or export is refused: "%s" the reason.
inline constexpr int kListNotReadYet = 189;
// "%s" the valves, "%s" the recorded measurements.
inline constexpr int kAskDeleteTable = 190;
// "%s" the valves deleted, "%s" the valves kept.
inline constexpr int kValvesKept = 191;
// "%s" the valve's number and designation, "%s" its measurements.
inline constexpr int kAskDeleteMeasuredValve = 192;
// "%s" the folder.
inline constexpr int kFileSavedIn = 193;
} // namespace ValveListRecordText
