#pragma once

// Defaults an engineer starts from: a static valve reads reliably from about
// 3 kPa, and above about 25 kPa it starts to whistle; heating water at 60 C;
// above about 1 m/s a riser is heard; a control valve with less than a
// quarter of the pressure it works against hardly controls.
inline constexpr float kDefaultMinimumStaticDp = 3.0f;
inline constexpr float kDefaultNoiseLimit = 25.0f;
inline constexpr float kDefaultFluidTemperature = 60.0f;
inline constexpr float kDefaultVelocityLimit = 1.0f;
inline constexpr float kDefaultAuthorityLimit = 0.25f;

// The limits a branch or a system is balanced and judged against, in base
// units. A system has no control valves of its own: it keeps the default
// authority limit and neither stores nor shows it.
struct HydraulicLimits {
    float minimumStaticDp = kDefaultMinimumStaticDp;   // kPa, a static valve's least drop
    float noiseLimit = kDefaultNoiseLimit;             // kPa, above it a static valve may whistle
    float fluidTemperature = kDefaultFluidTemperature; // C, for the pipe sections
    float velocityLimit = kDefaultVelocityLimit;       // m/s, in a pipe section
    float authorityLimit = kDefaultAuthorityLimit;     // fraction, a control valve's least
};
