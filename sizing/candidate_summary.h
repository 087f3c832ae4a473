#pragma once

#include "db/catalogue_rows.h"

#include <string>

// What the results panel and the valve list need of a catalogue row,
// whichever family it belongs to. The flow range (l/s) is shown only for
// the pressure-independent valves and the controllers.
struct CandidateSummary {
    std::string model;
    std::string materialNumber; // the technical code
    std::string nominalSize;
    std::string imageKey;
    float qMin = 0.0f;
    float qMax = 0.0f;
};

CandidateSummary summaryOf(const FobvRow& row);
CandidateSummary summaryOf(const VobvRow& row);
CandidateSummary summaryOf(const PicvRow& row);
CandidateSummary summaryOf(const DpcvRow& row);
