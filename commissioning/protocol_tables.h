#pragma once

#include "commissioning/commissioning_protocol.h"
#include "db/valve_readings.h"
#include "sizing/presetting_correction.h"

// The appendix: every reading of each valve but the latest, which the
// table shows, in list order and in the order they were taken: number,
// designation, date, dP, presetting found, flow, deviation and verdict, so
// that a correction (3,00 -> 2,30) and what it did can be followed.
ProtocolTable earlierReadingsTable(int languageIndex, const std::vector<ProjectRow>& projects,
                                   const ValveReadings& readings);

// The fitter's page, headers only: designation, valve, presetting found,
// presetting to set.
ProtocolTable fitterTable(int languageIndex);
// A valve of the fitter's page when there is a presetting to set that
// differs from the one found, or when it needs another size (the note in
// place of the presetting to set).
void addFitterRow(ProtocolTable& table, int languageIndex, const ProjectRow& design, const MeasurementRow& latest,
                  const PresettingCorrection& correction);
