#include "windows/main/arvelo_calc_dlg.h"

#include "app/unit_conversion.h"
#include "app/user_messages.h"
#include "data/figure_text.h"
#include "data/number_text.h"
#include "data/text_format.h"
#include "commissioning/valve_facts.h"
#include "db/measurement_store.h"
#include "db/product_db.h"
#include "sizing/presetting_correction.h"
#include "sizing/valve_families.h"
#include "windows/dialogs/record_measurement_dlg.h"
#include "windows/dialogs/sign_off_dlg.h"
#include "commissioning/commissioning_protocol.h"
#include "commissioning/correction_texts.h"
#include "commissioning/measurement_cell.h"
#include "commissioning/measurement_judgement.h"
#include "commissioning/reading_plausibility.h"
#include "commissioning/valve_correction.h"
#include "valve_list/valve_list_fault_texts.h"
#include "windows/main/main_window_ids.h"
#include "commissioning/measurement_texts.h"

using namespace MainWindowId;

namespace {

// The two commissioning pages whose results are measurements of a valve:
// the flow through a fixed-orifice valve, the check of a pressure-
// independent one.
constexpr std::int32_t kFixedOrificeMeasurement = 4;
constexpr std::int32_t kPicvCheck = 9;

bool isMeasuringPage(std::int32_t view) { return view == kFixedOrificeMeasurement || view == kPicvCheck; }

constexpr int kTextResult = 127;

void show(ControlState& control, bool visible)
{
    control.visible = visible;
    control.enabled = visible;
}

std::u16string withUnit(const std::string& number, const std::string& unit)
{
    return utf8ToUtf16(number + " " + unit);
}

} // namespace

// Why the reading cannot be what flows, in the units on the page; empty
// when it can.
std::u16string CArveloCalcDlg::implausibleReason(const ProjectRow& valve, const MeasurementRow& reading,
                                                 const ValveFacts& facts) const
{
    const ReadingPlausibility plausibility =
        readingPlausibility(valve, reading, pressureToBase(state_, reading.dP), facts);
    std::u16string reason;
    if (plausibility.dpAboveMaximum)
        reason = formatText(text(CorrectionText::kDpAboveMaximum),
                            {withUnit(formatCommaDecimal(reading.dP), reading.muP),
                             withUnit(formatCommaDecimal(pressureFromBase(state_, facts.dpMaximumKpa)),
                                      reading.muP)});
    if (plausibility.flowAboveThreeTimesDesign) {
        if (!reason.empty())
            reason += u"; ";
        reason += formatText(text(CorrectionText::kFlowAboveThreeTimes),
                             {withUnit(formatFigure(reading.flow), reading.muQ),
                              withUnit(formatFigure(valve.portata), valve.muQ)});
    }
    return reason;
}

// After a reading of a fixed-orifice valve: its verdict with the deviation
// and, for a failing valve, the presetting that gives the design flow,
// where the page leaves two result rows free. Their fields are narrow: the
// verdict and a valve that needs another size stand in the captions.
void CArveloCalcDlg::showCorrection(const ProjectRow& valve, const ValveFacts& facts)
{
    if (state_.valveView != kFixedOrificeMeasurement)
        return;
    const MeasurementRow* latest = findMeasurement(measurements_, valve.posizione, valve.riferimento);
    const MeasurementJudgement judgement = judgeMeasurement(valve, latest);
    if (judgement.mark != MeasurementMark::Passed && judgement.mark != MeasurementMark::Failed)
        return;
    const bool failed = judgement.mark == MeasurementMark::Failed;
    ControlModel& c = controls();
    c[kFirstResultCaption].text = text(kTextResult) + (failed ? u": KO" : u": OK");
    c[kFirstResult].text =
        judgement.deviationPercent ? utf8ToUtf16(signedPercentText(*judgement.deviationPercent)) : u"---";
    c[kFirstResult].textColour = failed ? kTextRed : kTextBlack;
    const auto correction = valveCorrection(valve, latest, facts);
    const bool corrected = correction && correction->outcome == CorrectionOutcome::Corrected;
    c[kThirdResultCaption].text = correction && !corrected ? correctionText(state_.languageIndex, *correction)
                                                           : text(CorrectionText::kPresettingToSet);
    c[kThirdResult].text = corrected ? correctionText(state_.languageIndex, *correction) : u"---";
    for (const int id : {kFirstResultCaption, kFirstResult, kThirdResultCaption, kThirdResult})
        show(c[id], true);
}

void CArveloCalcDlg::hideCorrection()
{
    if (state_.valveView != kFixedOrificeMeasurement)
        return;
    ControlModel& c = controls();
    c[kFirstResult].textColour = kTextBlack;
    for (const int id : {kFirstResultCaption, kFirstResult, kThirdResultCaption, kThirdResult})
        show(c[id], false);
}

namespace {

} // namespace

void CArveloCalcDlg::refreshMeasurementButton()
{
    ControlState& button = controls()[kRecordMeasurementButton];
    button.imageId = -1;
    button.imageMode = 0;
    button.text = text(MeasurementText::kRecordButton);
    button.visible = isMeasuringPage(state_.valveView);
    measuredValve_.reset();
}

void CArveloCalcDlg::noteMeasuredValve()
{
    measuredValve_.reset();
    hideCorrection();
    if (state_.valveView == kFixedOrificeMeasurement && state_.fobvCommFound == 1 && state_.fobvCommChosen &&
        *state_.fobvCommChosen < state_.fobvCommRows.size())
        measuredValve_ = state_.fobvCommRows[*state_.fobvCommChosen].technicalCode;
    else if (state_.valveView == kPicvCheck && state_.picvCheckFound == 1 && state_.picvCheckNoData == 0 &&
             state_.picvCheckRow && *state_.picvCheckRow < state_.picvAllRows.size())
        measuredValve_ = state_.picvAllRows[*state_.picvCheckRow].technicalCode;
}

namespace {

constexpr int kTextOffScale = 249; // "Presetting outside the scale: %s to %s"

} // namespace

void CArveloCalcDlg::pickCandidateOf(const ProjectRow& valve)
{
    // On a commissioning page the valve clicked in the list is the one
    // measured: its row of the candidates, found by material number.
    if (!isMeasuringPage(state_.valveView))
        return;
    if (panel_.texts().candidates.empty()) {
        fields.candidateIndex = -1;
        calculate(); // lists every valve of the family
    }
    const std::vector<CandidateListRow>& candidates = panel_.texts().candidates;
    const std::u16string code = utf8ToUtf16(valve.numero_di_materiale);
    for (std::size_t i = 0; i < candidates.size(); ++i)
        if (candidates[i].materialNumber == code) {
            fields.candidateIndex = static_cast<std::int32_t>(i);
            calculate();
            return;
        }
}

float CArveloCalcDlg::flowByPresetting(const ValveFacts& facts, const std::string& presetting) const
{
    return variableOrificeFlowShown(state_, facts, parseCommaDecimal(presetting), parseCommaDecimal(fields.dpInput))
        .value_or(NAN);
}

std::optional<DbFailure> CArveloCalcDlg::loadMeasurements()
{
    MeasurementStore::Loaded loaded = MeasurementStore(db_.handle()).load();
    if (!loaded.error)
        measurements_ = std::move(loaded.rows);
    return loaded.error;
}

MeasurementRow CArveloCalcDlg::measurementOnPage(const ProjectRow& valve)
{
    MeasurementRow row;
    row.posizione = valve.posizione;
    row.riferimento = valve.riferimento;
    row.dP = parseCommaDecimal(fields.dpInput);
    row.muP = pressureUnitLabel(state_);
    row.muQ = flowUnitLabel(state_);
    row.date = utf16ToUtf8(todayIsoDate());
    if (state_.valveView == kFixedOrificeMeasurement) {
        row.setting = valve.presetting;
        row.flow = state_.fobvMeasuredFlow;
        return row;
    }
    const float presetting = parseCommaDecimal(fields.flowInput);
    const auto flow = picvFlowAtPresetting(state_, db_, *state_.picvCheckRow, presetting);
    row.setting = formatCommaDecimal(presetting);
    row.flow = flow ? *flow : 0.0f;
    row.verdict = state_.picvCheckResult > 0.0f ? MeasurementVerdict::Sufficient : MeasurementVerdict::Insufficient;
    return row;
}

void CArveloCalcDlg::recordMeasurement()
{
    if (valveListIndex < 0 || static_cast<std::size_t>(valveListIndex) >= state_.projects.size()) {
        services_.messages.showMessage(text(MeasurementText::kClickMeasuredValve));
        return;
    }
    const ProjectRow valve = state_.projects[static_cast<std::size_t>(valveListIndex)];
    const ValveFactsByCode catalogue = catalogueFacts(db_, {valve});
    const auto found = catalogue.find(valve.numero_di_materiale);
    const ValveFacts facts = found != catalogue.end() ? found->second : ValveFacts{};
    // A variable-orifice valve has no candidate of the page: its flow
    // follows from the dP typed and the Kv of the presetting found on it.
    const bool byPresetting =
        state_.valveView == kFixedOrificeMeasurement && facts.kind == MeasuredKind::VariableOrifice;
    if (!byPresetting && !measuredValve_) {
        services_.messages.showMessage(text(MeasurementText::kCalculateFirst));
        return;
    }
    if (!byPresetting && *measuredValve_ != valve.numero_di_materiale) {
        services_.messages.showMessage(formatText(text(MeasurementText::kOtherValve),
                                                  {utf8ToUtf16(*measuredValve_), utf8ToUtf16(valve.numero_di_materiale)}));
        return;
    }
    MeasurementRow reading = measurementOnPage(valve);
    // The fixed-orifice page asks for the presetting found, offering the one
    // found last (the design's before a first reading).
    const bool askPresetting = state_.valveView == kFixedOrificeMeasurement;
    if (const MeasurementRow* earlier = findMeasurement(measurements_, valve.posizione, valve.riferimento);
        askPresetting && earlier)
        reading.setting = earlier->setting;
    if (byPresetting)
        reading.flow = flowByPresetting(facts, reading.setting);
    const std::u16string reason = implausibleReason(valve, reading, facts);
    // The page's own presetting field serves the pressure-independent
    // valve. A presetting off the valve's scale is asked again, as typed.
    if (askPresetting || !reason.empty()) {
        std::u16string offered = utf8ToUtf16(reading.setting);
        std::u16string offScale;
        for (;;) {
            CArveloCalcRecordDlg dialog(state_, askPresetting, offered, reason, offScale);
            if (services_.windows.runModal(dialog) != kResultOk)
                return;
            if (!askPresetting)
                break;
            reading.setting = utf16ToUtf8(dialog.presetting());
            const auto range = facts.hasCurve
                                   ? curvePresettingRange(facts.curve, facts.presetStart, facts.presetStep)
                                   : std::nullopt;
            if (!range ||
                kvAtPresetting(facts.curve, facts.presetStart, facts.presetStep, parseCommaDecimal(reading.setting)))
                break;
            offered = dialog.presetting();
            offScale = formatText(text(kTextOffScale), {utf8ToUtf16(formatCommaDecimal(range->first)),
                                                        utf8ToUtf16(formatCommaDecimal(range->last))});
        }
        if (byPresetting)
            reading.flow = flowByPresetting(facts, reading.setting);
        reading.implausibleConfirmed = !reason.empty();
    }
    // A presetting the handwheel cannot show is a slip of the finger: no
    // correction could start from it.
    if (askPresetting && facts.hasCurve &&
        !kvAtPresetting(facts.curve, facts.presetStart, facts.presetStep, parseCommaDecimal(reading.setting))) {
        services_.messages.showMessage(text(CorrectionText::kPresettingOffScale));
        return;
    }
    // The valve as the list shows it, or no reading: another program may
    // have deleted or replaced it since.
    const ShownRowRecording recorded = db_.recordShownMeasurement(valve, reading);
    if (recorded == ShownRowRecording::Failed) {
        services_.messages.showMessage(
            databaseFailureText(state_.languageIndex, MeasurementText::kNotRecorded, db_.lastFailure()));
        return;
    }
    if (recorded == ShownRowRecording::ChangedSinceShown) {
        services_.messages.showMessage(text(ValveListFaultText::kNotRecordedChangedSinceShown));
        reloadValveList();
        valveListIndex = -1;
        return;
    }
    loadMeasurements();
    fillValveList();
    showCorrection(valve, facts);
}

bool CArveloCalcDlg::askSignOff()
{
    // The day of the last measurement, unless the user wrote another.
    if (signOff_.commissioningDate.empty())
        for (const MeasurementRow& measured : measurements_)
            if (utf8ToUtf16(measured.date) > signOff_.commissioningDate)
                signOff_.commissioningDate = utf8ToUtf16(measured.date);
    CArveloCalcSignOffDlg dialog(state_, signOff_);
    return services_.windows.runModal(dialog) == kResultOk;
}
