#pragma once

#include <sqlite3.h>

#include <string>
#include <vector>

// The four valve families as the calculator sizes them.
enum class Family { FixedOrifice, VariableOrifice, PressureIndependent, DpController };

const char* familyName(Family family);

// A design duty: flow in l/s, differential pressure in kPa (the valve's
// pressure drop; the branch pressure for a controller; unused for a
// pressure-independent valve). Water.
struct Duty {
    double flow = 0;
    double dp = 0;
};

// Material numbers the calculator's own catalogue statement returns for a
// duty, in its order; the statement is formatted exactly as the calculator
// formats it, with the fixed-orifice signal window of 1 to 6 kPa.
std::vector<std::string> candidateCodes(sqlite3* db, Family family, const Duty& duty);

// The statement behind candidateCodes.
std::string candidateStatement(Family family, const Duty& duty);

// The flows a row serves at a differential pressure, worked out from its
// columns; empty (low > high) when it serves none.
struct ServedRange {
    std::string code;
    double low = 0;
    double high = 0;
};
std::vector<ServedRange> servedRanges(sqlite3* db, Family family, double dp);

// Presetting position the calculator picks for a target value: the nearest
// of all 131 preset values, an empty value reading 0, the lower position
// winning a tie.
int nearestPresetting(const std::vector<float>& values, float target);

// The 131 preset values of a valve as the calculator reads them.
std::vector<float> presetValues(sqlite3* db, const std::string& code);
