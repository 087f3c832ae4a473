#pragma once

// The family code the results panel receives with every calculation.
enum ResultKind : int {
    FixedOrificeResult = 0,
    VariableOrificeResult = 1,
    PressureIndependentResult = 10,
    DpControllerResult = 11,
};

// The two verdicts of the pressure-independent valve check travel as these
// reserved flow values (plus and minus 2 to the power 63, as floats).
inline constexpr float kPressureSufficient = 9223372036854775808.0f;
inline constexpr float kPressureInsufficient = -9223372036854775808.0f;
