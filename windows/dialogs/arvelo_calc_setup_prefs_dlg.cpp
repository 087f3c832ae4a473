#include "windows/dialogs/arvelo_calc_setup_prefs_dlg.h"

#include "app/unit_conversion.h"
#include "data/number_text.h"
#include "data/text_format.h"
#include "resources/layouts/dialog_templates.h"
#include "windows/dialogs/drop_down_list.h"
#include "windows/dialogs/field_number_text.h"
#include "windows/common/numeric_field.h"

#include <utility>

namespace {

constexpr int kValveTypeCaption = 1068;
constexpr int kValveTypeList = 1069;
constexpr int kPreferredCaption = 1070;
constexpr int kPreferredList = 1071;
constexpr int kAlternativeCaption = 1072;
constexpr int kAlternativeList = 1073;
constexpr int kFluidCaption = 1074;
constexpr int kFluidList = 1075;
constexpr int kSaveButton = 1076;
constexpr int kCancelButton = 1077;

constexpr int kValveTypeText = 79;
constexpr int kFirstValveKindText = 80; // one per valve kind, in kind order
constexpr int kPreferredText = 84;
constexpr int kAlternativeText = 85;
constexpr int kFluidText = 88;
constexpr int kFirstFluidText = 89;
constexpr int kFluidEntryCount = 6;

std::vector<std::u16string> widened(const std::vector<std::string>& names)
{
    std::vector<std::u16string> entries;
    for (const std::string& name : names)
        entries.push_back(utf8ToUtf16(name));
    return entries;
}

} // namespace

CArveloCalcSetupPrefsDlg::CArveloCalcSetupPrefsDlg(AppState& state, std::u16string title)
    : SettingsDialog(preferencesDialogTemplate(), std::move(title), state, kSaveButton, kCancelButton),
      state_(state),
      bounds_{{
          {1079, 86, 1078, &EngineSettings::dpMin, {}}, // "dPmin (%s)"
          {1081, 87, 1080, &EngineSettings::dpMax, {}}, // "dPmax (%s)"
      }}
{
}

void CArveloCalcSetupPrefsDlg::onOpen()
{
    for (const BoundField& field : bounds_)
        limitToNumericText(controls()[field.fieldId]);
    setLabel(kValveTypeCaption, kValveTypeText, ControlFont::Bold);
    // Every opening starts at the first kind, whatever was edited last time.
    fillDropDownList(controls()[kValveTypeList], texts(kFirstValveKindText, kValveKindCount), 0);
    refillPreferenceLists();

    setLabel(kFluidCaption, kFluidText, ControlFont::Bold);
    // Six fluids are offered whatever the catalogue holds.
    fillDropDownList(controls()[kFluidList], texts(kFirstFluidText, kFluidEntryCount), state_.engine.fluidIndex);
    showSaveAndCancel();
}

void CArveloCalcSetupPrefsDlg::onSelectionChanged(int controlId)
{
    if (controlId == kValveTypeList)
        refillPreferenceLists();
}

void CArveloCalcSetupPrefsDlg::onTextChanged(int controlId)
{
    for (BoundField& field : bounds_) {
        if (field.fieldId != controlId)
            continue;
        const std::string before = field.text;
        numericFieldChanged(controls(), controlId, field.text);
        if (field.text != before)
            field.keepStored = false;
    }
}

void CArveloCalcSetupPrefsDlg::refillPreferenceLists()
{
    setLabel(kPreferredCaption, kPreferredText, ControlFont::Bold);
    setLabel(kAlternativeCaption, kAlternativeText, ControlFont::Bold);
    fillDropDownList(controls()[kPreferredList], {}, std::nullopt);
    fillDropDownList(controls()[kAlternativeList], {}, std::nullopt);

    const std::u16string unit = utf8ToUtf16(pressureUnitLabel(state_));
    for (BoundField& field : bounds_)
        refillBound(field, unit);

    const auto kind = pickedEntry(controls()[kValveTypeList]);
    if (!kind)
        return;
    const int valveKind = static_cast<int>(*kind);
    const ModelChoice& stored = state_.engine.modelNames[*kind];
    const std::vector<std::u16string> names = widened(modelNamesOfKind(valveKind));
    fillDropDownList(controls()[kPreferredList], names, modelPosition(valveKind, stored.preferred));
    fillDropDownList(controls()[kAlternativeList], names, modelPosition(valveKind, stored.alternative));

    // The pressure-drop window only steers the fixed-orifice valve.
    for (const BoundField& field : bounds_) {
        controls()[field.captionId].visible = valveKind == FixedOrificeKind;
        controls()[field.fieldId].visible = valveKind == FixedOrificeKind;
    }
}

void CArveloCalcSetupPrefsDlg::refillBound(BoundField& field, const std::u16string& unit)
{
    setLabel(field.captionId, formatText(text(field.captionText), {unit}), ControlFont::Template);
    controls()[field.captionId].visible = false;
    ControlState& edit = controls()[field.fieldId];
    edit.visible = false;
    const auto shown = fieldNumberText(pressureFromBase(state_, state_.engine.*field.bound));
    field.keepStored = !shown;
    field.text = shown ? *shown : utf16ToUtf8(kNoNumberText);
    edit.text = utf8ToUtf16(field.text);
}

void CArveloCalcSetupPrefsDlg::save()
{
    if (const auto kind = pickedEntry(controls()[kValveTypeList])) {
        const int valveKind = static_cast<int>(*kind);
        const std::vector<std::string>& names = modelNamesOfKind(valveKind);
        ModelChoice& stored = state_.engine.modelNames[*kind];
        if (const auto preferred = pickedEntry(controls()[kPreferredList]))
            stored.preferred = names[*preferred];
        if (const auto alternative = pickedEntry(controls()[kAlternativeList]))
            stored.alternative = names[*alternative];
        if (valveKind == FixedOrificeKind)
            for (const BoundField& field : bounds_)
                if (!field.keepStored)
                    state_.engine.*field.bound = pressureFactor(state_) * parseCommaDecimal(field.text);
    }
    if (const auto fluid = pickedEntry(controls()[kFluidList]))
        state_.engine.fluidIndex = static_cast<std::uint8_t>(*fluid);
    end(kResultOk);
}
