#pragma once

#include "db/measurement_row.h"
#include "db/project_row.h"

#include <string>

// The valve list's "Measured" cell: empty for a valve not measured; else
// OK or KO as judged, with the flow deviation ("OK +3,20 %", "KO -12,50 %"),
// or the date of a measurement there is nothing to judge by.
std::u16string measuredCell(const ProjectRow& design, const MeasurementRow* measured);
// A deviation as the program shows it: sign and decimal comma ("+3,20"),
// and with the percent sign ("+3,20 %").
std::string signedDecimalText(float deviationPercent);
std::string signedPercentText(float deviationPercent);
