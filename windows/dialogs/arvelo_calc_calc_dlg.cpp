#include "windows/dialogs/arvelo_calc_calc_dlg.h"

#include "app/unit_conversion.h"
#include "data/number_text.h"
#include "data/text_format.h"
#include "resources/layouts/dialog_templates.h"
#include "windows/dialogs/field_number_text.h"
#include "sizing/flow_from_power.h"
#include "windows/dialogs/temperature_symbol.h"
#include "windows/common/numeric_field.h"

#include <utility>

namespace {

constexpr int kFlowField = 1090;
constexpr int kFlowCaption = 1085;
constexpr int kSaveButton = 1088;
constexpr int kCancelButton = 1091;
constexpr int kFlowText = 99; // "Flow rate (%s)"

enum class CaptionUnit { Power, Temperature };

// The three inputs in the order the dialog fills them.
struct InputField {
    int captionId;
    int captionText;
    CaptionUnit unit;
    int fieldId;
    std::string CArveloCalcCalcDlg::*text;
};

const InputField kInputs[] = {
    {1082, 96, CaptionUnit::Power, 1086, &CArveloCalcCalcDlg::powerText},              // "Power (%s)"
    {1083, 97, CaptionUnit::Temperature, 1087, &CArveloCalcCalcDlg::supplyTempText},   // "Supply temperature (%s)"
    {1084, 98, CaptionUnit::Temperature, 1089, &CArveloCalcCalcDlg::returnTempText},   // "Return temperature (%s)"
};

std::u16string unitOf(const AppState& state, CaptionUnit unit)
{
    if (unit == CaptionUnit::Power)
        return utf8ToUtf16(powerUnitLabel(state));
    return std::u16string(temperatureSymbol(state.engine.temperatureUnitIndex));
}

} // namespace

CArveloCalcCalcDlg::CArveloCalcCalcDlg(const AppState& state, std::u16string title)
    : SettingsDialog(flowDialogTemplate(), std::move(title), state, kSaveButton, kCancelButton), state_(state)
{
}

void CArveloCalcCalcDlg::onOpen()
{
    // Filling an input counts as a change of it, so the flow shown is always
    // the one computed from the texts passed in.
    for (const InputField& input : kInputs) {
        setLabel(input.captionId, formatText(text(input.captionText), {unitOf(state_, input.unit)}),
                 ControlFont::Regular);
        limitToNumericText(controls()[input.fieldId]);
        controls()[input.fieldId].text = utf8ToUtf16(this->*input.text);
        onTextChanged(input.fieldId);
    }
    setLabel(kFlowCaption, formatText(text(kFlowText), {utf8ToUtf16(flowUnitLabel(state_))}), ControlFont::Bold);
    showSaveAndCancel();
}

void CArveloCalcCalcDlg::onTextChanged(int controlId)
{
    for (const InputField& input : kInputs) {
        if (input.fieldId != controlId)
            continue;
        numericFieldChanged(controls(), controlId, this->*input.text);
        // Also after a rejected keystroke: the flow stays what the kept text gives.
        recalculateFlow();
    }
}

void CArveloCalcCalcDlg::recalculateFlow()
{
    const float supply = parseCommaDecimal(supplyTempText);
    const float returnTemperature = parseCommaDecimal(returnTempText);
    const float deltaKelvin = temperatureDifferenceKelvin(state_, supply, returnTemperature);
    const float powerWatt = powerFactor(state_) * parseCommaDecimal(powerText);
    const auto shown = fieldNumberText(flowFromPower(state_, powerWatt, deltaKelvin));
    flowText = shown.value_or(std::string());
    controls()[kFlowField].text = shown ? utf8ToUtf16(*shown) : std::u16string(kNoNumberText);
}

void CArveloCalcCalcDlg::save()
{
    recalculateFlow();
    // Without a flow there is nothing to hand over; the dialog stays open.
    if (flowText.empty())
        return;
    end(kResultOk);
}
