#pragma once

#include "commissioning/measurement_judgement.h"
#include "commissioning/valve_facts.h"
#include "db/measurement_row.h"
#include "sizing/presetting_correction.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

// A flow with its unit as the protocol prints it: at least three
// significant digits ("0,0240 (l/s)"), "---" when it is no number.
std::u16string protocolFlow(float flow, const std::string& unit);
// Any other figure with its unit, likewise ("98,00 (mbar)", "0,0500 (bar)").
std::u16string protocolNumber(float value, const std::string& unit);

// A reading's pass or fail word and, for a pressure-independent valve, the
// verdict on the pressure, a line each; empty when there is none.
std::u16string readingVerdict(int languageIndex, const MeasurementJudgement& judgement, MeasurementVerdict pressure);

// What one valve's site columns say beside its design.
struct SiteFacts {
    const MeasurementRow* latest = nullptr;
    std::size_t readingCount = 0;
    const ValveFacts* facts = nullptr;
    std::optional<PresettingCorrection> correction;
};

// The seven site cells: measured dP, setting, flow with the Kvs or curve it
// came from, deviation, result (with the presetting to set and the mark of
// an implausible reading), date with the count of readings, signature.
std::vector<std::u16string> siteCells(int languageIndex, const MeasurementJudgement& judgement,
                                      const SiteFacts& site);
