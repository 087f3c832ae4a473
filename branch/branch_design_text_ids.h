#pragma once

// Ids of the texts of a branch designed from its pipes, in the window and
// its circuits file.
namespace branch_design_text {

inline constexpr int kPipeLength = 189;           // "Pipe length (m)"
inline constexpr int kInnerDiameter = 190;        // "Inner diameter (mm)"
inline constexpr int kRoughness = 191;            // "Roughness (mm)"
inline constexpr int kZeta = 192;                 // the fittings' sum of zeta
inline constexpr int kControlValveKvs = 193;
inline constexpr int kFluidTemperature = 194;     // "%s": the unit
inline constexpr int kVelocityLimit = 195;        // "%s": the unit
inline constexpr int kAuthorityLimit = 196;
inline constexpr int kRiserAndPipe = 197;
inline constexpr int kPipeIncomplete = 198;       // "%s": the circuit's number and designation
inline constexpr int kPipesWaterOnly = 199;
inline constexpr int kOpenCircuitsFile = 200;
inline constexpr int kSaveCircuitsFile = 201;
inline constexpr int kCircuitsFileUnread = 202;   // "%s": the file, "%s": what is wrong in it

} // namespace branch_design_text
