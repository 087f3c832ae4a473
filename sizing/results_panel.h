#pragma once

#include "sizing/candidate_summary.h"
#include "sizing/selection_fields.h"

#include <cstdint>
#include <vector>

// The results panel as the selection driver sees it; the window (or any
// other front end) shows what these calls hand over.
class ResultsPanel {
public:
    virtual ~ResultsPanel() = default;

    virtual void showResultValues(int resultKind, bool noResult, const ResultValues& values) = 0;
    // chosen is null when no valve is chosen.
    virtual void showValveDetails(int resultKind, const CandidateSummary* chosen) = 0;
    // Rebuilds the candidate list and selects the row candidateIndex (-1 none).
    virtual void fillCandidateList(int resultKind, const std::vector<CandidateSummary>& rows,
                                   std::int32_t candidateIndex) = 0;
};
