#include "windows/main/arvelo_calc_dlg.h"

#include "app/user_messages.h"
#include "db/product_db.h"
#include "sizing/run_selection.h"
#include "valve_list/valve_list_fault_texts.h"
#include "windows/main/main_window_ids.h"

#include <array>

using namespace MainWindowId;

namespace {

struct CandidateColumn {
    int headerTextId; // -1: no header (the picture)
    int width;
};

constexpr std::array<CandidateColumn, 4> kCandidateColumns{{{-1, 64}, {36, 120}, {37, 120}, {38, 120}}};

} // namespace

void CArveloCalcDlg::setupCandidateList()
{
    ControlState& list = controls()[kCandidateList];
    list.columns.clear();
    for (const CandidateColumn& column : kCandidateColumns)
        list.columns.push_back({column.headerTextId < 0 ? u"" : text(column.headerTextId), column.width, true});
    fields.candidateIndex = -1;
}

void CArveloCalcDlg::calculate()
{
    if (state_.valveView == 0 || state_.valveView == 2 || state_.valveView == 7)
        return; // group pages calculate nothing
    // The panel's logic starts from what the window shows: a calculation
    // without a chosen valve of a known picture keeps the picture shown.
    ResultsPanelTexts& shown = panel_.texts();
    const ControlModel& c = controls();
    shown.status = c.find(kTypeSeriesLabel)->text;
    shown.statusColour = c.find(kTypeSeriesLabel)->textColour;
    shown.first = c.find(kFirstResult)->text;
    shown.second = c.find(kSecondResult)->text;
    shown.secondColour = c.find(kSecondResult)->textColour;
    shown.third = c.find(kThirdResult)->text;
    shown.details = c.find(kValveDetails)->text;
    shown.pictureId = c.find(kValvePicture)->imageId;

    // A start under another program's lock read no fluids: read them now.
    const std::size_t failures = db_.failureCount();
    if (state_.engine.fluids.empty())
        db_.queryFluids(state_.engine.fluids);
    runSelection(state_, db_, fields, panel_);
    if (db_.failureCount() != failures && isBusy(db_.lastFailure()))
        showCatalogueNotRead(db_.lastFailure());
    // A clicked row the new list no longer has is no longer clicked.
    if (fields.candidateIndex >= static_cast<std::int32_t>(panel_.texts().candidates.size()))
        fields.candidateIndex = -1;
    showResultsPanel();
    noteMeasuredValve();
}

void CArveloCalcDlg::showCatalogueNotRead(const DbFailure& failure)
{
    // Not "no valve fits": the catalogue said nothing.
    ResultsPanelTexts& shown = panel_.texts();
    shown.status = text(ValveListFaultText::kCatalogueNotReadStatus);
    shown.statusColour = kTextRed;
    shown.first = shown.second = shown.third = u"---";
    shown.candidates.clear();
    services_.messages.showMessage(
        databaseFailureText(state_.languageIndex, ValveListFaultText::kCatalogueNotRead, failure));
}

void CArveloCalcDlg::showResultsPanel()
{
    const ResultsPanelTexts& shown = panel_.texts();
    ControlModel& c = controls();
    c[kTypeSeriesLabel].text = shown.status;
    c[kTypeSeriesLabel].textColour = shown.statusColour;
    c[kFirstResult].text = shown.first;
    c[kSecondResult].text = shown.second;
    c[kSecondResult].textColour = shown.secondColour;
    c[kThirdResult].text = shown.third;
    c[kValveDetails].text = shown.details;
    c[kValvePicture].imageId = shown.pictureId;

    ControlState& list = c[kCandidateList];
    list.rows.clear();
    for (const CandidateListRow& row : shown.candidates)
        list.rows.push_back({row.imageIndex, {u"", row.model, row.materialNumber, row.nominalSize}});
    list.selectedRow = shown.selectedRow;
}
