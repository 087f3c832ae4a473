#include "windows/main/arvelo_calc_dlg.h"

#include "app/unit_conversion.h"
#include "app/user_messages.h"
#include "data/number_text.h"
#include "data/text_format.h"
#include "db/measurement_store.h"
#include "db/product_db.h"
#include "sizing/valve_families.h"
#include "windows/dialogs/sign_off_dlg.h"
#include "commissioning/commissioning_protocol.h"
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
    if (state_.valveView == kFixedOrificeMeasurement && state_.fobvCommFound == 1 && state_.fobvCommChosen &&
        *state_.fobvCommChosen < state_.fobvCommRows.size())
        measuredValve_ = state_.fobvCommRows[*state_.fobvCommChosen].technicalCode;
    else if (state_.valveView == kPicvCheck && state_.picvCheckFound == 1 && state_.picvCheckNoData == 0 &&
             state_.picvCheckRow && *state_.picvCheckRow < state_.picvAllRows.size())
        measuredValve_ = state_.picvAllRows[*state_.picvCheckRow].technicalCode;
}

void CArveloCalcDlg::loadMeasurements()
{
    MeasurementStore::Loaded loaded = MeasurementStore(db_.handle()).load();
    if (!loaded.error)
        measurements_ = std::move(loaded.rows);
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
    if (!measuredValve_) {
        services_.messages.showMessage(text(MeasurementText::kCalculateFirst));
        return;
    }
    const ProjectRow valve = state_.projects[static_cast<std::size_t>(valveListIndex)];
    if (*measuredValve_ != valve.numero_di_materiale) {
        services_.messages.showMessage(formatText(text(MeasurementText::kOtherValve),
                                                  {utf8ToUtf16(*measuredValve_), utf8ToUtf16(valve.numero_di_materiale)}));
        return;
    }
    if (const auto failure = MeasurementStore(db_.handle()).record(measurementOnPage(valve))) {
        services_.messages.showMessage(formatText(text(MeasurementText::kNotRecorded), {utf8ToUtf16(*failure)}));
        return;
    }
    loadMeasurements();
    fillValveList();
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
