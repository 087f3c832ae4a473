#pragma once

#include "commissioning/valve_facts.h"
#include "db/measurement_row.h"
#include "db/project_row.h"
#include "sizing/presetting_correction.h"

#include <optional>
#include <string>

// The correction of a listed static valve with a presetting whose latest
// reading fails the flow tolerance: from the presetting found and the two
// flows, on the valve's own curve. None for a valve that passed, was not
// measured, has no presetting curve or is pressure-independent.
std::optional<PresettingCorrection> valveCorrection(const ProjectRow& design, const MeasurementRow* latest,
                                                    const ValveFacts& facts);

// What the fitter is told: the presetting to set ("3,10"), or that the
// valve needs another size, or that the presetting found lies off its scale.
std::u16string correctionText(int languageIndex, const PresettingCorrection& correction);
