#include "windows/main/arvelo_calc_dlg.h"

#include "app/user_messages.h"
#include "data/text_table.h"
#include "resources/layouts/dialog_templates.h"
#include "valve_list/designation_field.h"
#include "windows/main/main_window_ids.h"
#include "windows/common/numeric_field.h"
#include "windows/main/page_transitions.h"
#include "windows/common/window_geometry.h"

#include <algorithm>
#include <array>
#include <utility>

using namespace MainWindowId;

namespace {

constexpr int kTextClickOnSymbol = 102;
constexpr int kBannerImage = 241;

} // namespace

CArveloCalcDlg::CArveloCalcDlg(AppState& state, ProductDb& db, MainWindowServices services)
    : WindowLogic(mainWindowTemplate(), u"Arvelo Rezu"), state_(state), db_(db), services_(std::move(services)),
      panel_(state)
{
}

std::u16string CArveloCalcDlg::text(int id) const
{
    return std::u16string(TextTable::text(state_.languageIndex, id));
}

void CArveloCalcDlg::onOpen()
{
    controls()[kBanner].imageId = kBannerImage;
    limitToNumericText(controls()[kFirstInput]);
    limitToNumericText(controls()[kSecondInput]);
    setupCandidateList();
    loadMeasurements();
    setupValveListColumns();
    refreshPage();
}

void CArveloCalcDlg::onClick(int controlId)
{
    // A list read only now has not been seen yet: this click shows it, and
    // a change or export of it waits for the next one.
    static constexpr std::array<int, 3> kSeenListNeeded{kDeleteTableButton, kDeleteValveButton, kExportButton};
    if (retryUnreadValveList() && !state_.projectsNotRead &&
        std::find(kSeenListNeeded.begin(), kSeenListNeeded.end(), controlId) != kSeenListNeeded.end())
        return;
    struct ClickHandler {
        int id;
        void (*handle)(CArveloCalcDlg&);
    };
    static const std::array<ClickHandler, 18> kHandlers{{
        {kSizingButton, [](CArveloCalcDlg& w) { w.state_.workMode = 0, w.state_.valveView = 0, w.refreshPage(); }},
        {kCommissioningButton,
         [](CArveloCalcDlg& w) { w.state_.workMode = 1, w.state_.valveView = 0, w.refreshPage(); }},
        {kLanguageButton, [](CArveloCalcDlg& w) { w.openSettings(kLanguageButton); }},
        {kUnitsButton, [](CArveloCalcDlg& w) { w.openSettings(kUnitsButton); }},
        {kPreferencesButton, [](CArveloCalcDlg& w) { w.openSettings(kPreferencesButton); }},
        {kBalanceBranchButton, [](CArveloCalcDlg& w) { w.openBranchWindow(); }},
        {kStaticGroupButton, [](CArveloCalcDlg& w) { w.state_.valveView = 2, w.refreshPage(); }},
        {kDynamicGroupButton, [](CArveloCalcDlg& w) { w.state_.valveView = 7, w.refreshPage(); }},
        {kFirstTypeButton, [](CArveloCalcDlg& w) { w.chooseType(kFirstTypeButton); }},
        {kSecondTypeButton, [](CArveloCalcDlg& w) { w.chooseType(kSecondTypeButton); }},
        {kCalculateButton, [](CArveloCalcDlg& w) { w.calculate(); }},
        {kAddButton, [](CArveloCalcDlg& w) { w.addToValveList(); }},
        {kDeleteTableButton, [](CArveloCalcDlg& w) { w.deleteTable(); }},
        {kDeleteValveButton, [](CArveloCalcDlg& w) { w.deleteValve(); }},
        {kExportButton, [](CArveloCalcDlg& w) { w.exportValveList(); }},
        {kRecordMeasurementButton, [](CArveloCalcDlg& w) { w.recordMeasurement(); }},
        {kFlowCalculationButton, [](CArveloCalcDlg& w) { w.flowCalculationHandOver(); }},
        {kCloseButton, [](CArveloCalcDlg& w) { w.end(kResultOk); }},
    }};
    for (const ClickHandler& handler : kHandlers)
        if (handler.id == controlId)
            handler.handle(*this);
}

void CArveloCalcDlg::onTextChanged(int controlId)
{
    if (controlId == kFirstInput || controlId == kSecondInput)
        measuredValve_.reset(); // the result shown no longer answers the inputs
    if (controlId == kFirstInput)
        numericFieldChanged(controls(), kFirstInput, fields.flowInput);
    else if (controlId == kSecondInput)
        numericFieldChanged(controls(), kSecondInput, fields.dpInput);
    else if (controlId == kDesignationField)
        keepDesignationFitting();
}

bool CArveloCalcDlg::acceptsTyping(int controlId, const std::u16string& typed) const
{
    return controlId != kDesignationField || designationFits(typed);
}

void CArveloCalcDlg::onListClick(int controlId, int row)
{
    // A click on the row that said the list was not read picks no valve.
    if (retryUnreadValveList() && controlId == kValveList)
        return;
    if (controlId == kCandidateList) {
        fields.candidateIndex = row;
        if (row < 0) {
            services_.messages.showMessage(text(kTextClickOnSymbol));
            return;
        }
        calculate();
    } else if (controlId == kValveList) {
        onValveListClick(row);
    }
}

bool CArveloCalcDlg::onKeyDown(Key /*key*/, int focusedControlId)
{
    if (focusedControlId == kFirstInput || focusedControlId == kSecondInput)
        calculate();
    return true;
}

void CArveloCalcDlg::onCloseRequest() { end(kResultCancel); }

std::optional<int> CArveloCalcDlg::centreBanner(const PixelRect& windowRect)
{
    const auto shift = bannerShift(savedWindowRect.width, windowRect.width);
    if (shift)
        savedWindowRect = windowRect;
    return shift;
}

void CArveloCalcDlg::writeField(int fieldId, const std::u16string& newText)
{
    controls()[fieldId].text = newText;
    onTextChanged(fieldId);
}

void CArveloCalcDlg::chooseType(int buttonId)
{
    const auto target = typeButtonTarget(state_.valveView, buttonId, state_.workMode);
    if (target)
        state_.valveView = *target;
    controls()[kValveList].rows.clear();
    valveListIndex = -1;
    fillValveList();
    controls()[kCandidateList].rows.clear();
    fields.candidateIndex = -1;
    refreshPage();
}

void CArveloCalcDlg::settingsHandOver(WindowLogic& dialog)
{
    if (services_.windows.runModal(dialog) != kResultOk)
        return;
    state_.valveView = 0;
    setupCandidateList();
    setupValveListColumns();
    refreshPage();
}
