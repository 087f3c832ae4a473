#pragma once

#include <string>

// A figure an engineer acts on (a flow, a velocity, a loss) as our outputs
// print it, so that a reader can check a deviation or a sum from the printed
// figures: at least three significant digits and never fewer than two
// decimals, in every unit alike, with a decimal comma. 12.345 -> "12,35",
// 1234.5 -> "1234,50", 0.5 -> "0,500", 0.024 -> "0,0240", 0 -> "0,00";
// "---" when it is not a finite number.
//
// Three digits bound the rounding to half a percent of the value (at worst
// for a leading 1: 0,5 in 100), so a deviation recomputed from two printed
// flows lands within about one percentage point of the exact one, a tenth
// of the commissioning tolerance; a deviation computed from figureValue
// matches it exactly. Two decimals are the units' usual figure, which
// larger values keep.
std::string formatFigure(float value);

// The number that formatFigure prints, for a deviation computed from
// the figures exactly as the reader sees them; not-a-number when nothing is
// printed.
double figureValue(float value);

// A figure for a program that reads it (JSON): the value computed, to six
// significant digits (single precision holds about seven), not the text's
// rounding: 0.0119047621 -> 0.0119048.
double sixDigitValue(float value);
