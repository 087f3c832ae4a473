#pragma once

#include <string>

// A flow as the commissioning record prints it, so that a reader can check
// the printed deviation from the printed flows: at least three significant
// digits and never fewer than two decimals, in every flow unit alike, with
// a decimal comma. 12.345 -> "12,35", 1234.5 -> "1234,50", 0.5 -> "0,500",
// 0.024 -> "0,0240", 0 -> "0,00"; "---" when it is not a finite number.
//
// Three digits bound the rounding of a flow to half a percent of its value
// (at worst for a leading 1: 0,5 in 100), so a deviation recomputed from two
// printed flows lands within about one percentage point of the exact one, a
// tenth of the commissioning tolerance; a deviation computed from
// flowFigureValue matches it exactly. Two decimals are the flow unit's usual
// figure, which larger flows keep.
std::string formatFlowFigure(float flow);

// The number that formatFlowFigure prints, for a deviation computed from
// the flows exactly as the reader sees them; not-a-number when nothing is
// printed.
double flowFigureValue(float flow);
