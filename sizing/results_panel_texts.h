#pragma once

#include "app/app_state.h"
#include "sizing/results_panel.h"
#include "data/rgb.h"

#include <string>
#include <vector>

// One item of the candidate list (control 1017).
struct CandidateListRow {
    int imageIndex = -1; // index into the list's images; -1 for an unknown image key
    std::u16string model;
    std::u16string materialNumber;
    std::u16string nominalSize;
};

// Everything the results panel shows, as the window draws it.
struct ResultsPanelTexts {
    std::u16string status; // 1046
    Rgb statusColour = kTextBlack;
    std::u16string first;  // 1006
    std::u16string second; // 1008
    Rgb secondColour = kTextBlack;
    std::u16string third;  // 1009
    std::u16string details; // 1010
    int pictureId = -1;     // 1045; -1 no picture
    std::vector<CandidateListRow> candidates;
    int selectedRow = -1;
};

// The results panel's logic: turns the driver's calls into the panel's
// texts in the current language and units.
class ResultsPanelModel : public ResultsPanel {
public:
    explicit ResultsPanelModel(const AppState& state) : state_(state) {}

    void showResultValues(int resultKind, bool noResult, const ResultValues& values) override;
    void showValveDetails(int resultKind, const CandidateSummary* chosen) override;
    void fillCandidateList(int resultKind, const std::vector<CandidateSummary>& rows,
                           std::int32_t candidateIndex) override;

    const ResultsPanelTexts& texts() const { return texts_; }
    ResultsPanelTexts& texts() { return texts_; }

private:
    std::u16string text(int id) const;

    const AppState& state_;
    ResultsPanelTexts texts_;
};
