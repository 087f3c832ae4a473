#include "windows/dialogs/arvelo_calc_setup_um_dlg.h"

#include "data/text_format.h"
#include "resources/layouts/dialog_templates.h"
#include "windows/dialogs/drop_down_list.h"
#include "windows/dialogs/temperature_symbol.h"

#include <utility>

namespace {

constexpr int kSaveButton = 1062;
constexpr int kCancelButton = 1063;

std::vector<std::u16string> labelsOf(const std::vector<UnitEntry>& units)
{
    std::vector<std::u16string> labels;
    for (const UnitEntry& unit : units)
        labels.push_back(utf8ToUtf16(unit.label));
    return labels;
}

std::vector<std::u16string> flowEntries(const AppState& state) { return labelsOf(state.engine.flowUnits); }
std::vector<std::u16string> pressureEntries(const AppState& state) { return labelsOf(state.engine.pressureUnits); }
std::vector<std::u16string> powerEntries(const AppState& state) { return labelsOf(state.engine.powerUnits); }
// Degree signs rather than the table's own "C" and "F".
std::vector<std::u16string> temperatureEntries(const AppState&)
{
    return {std::u16string(temperatureSymbol(0)), std::u16string(temperatureSymbol(1))};
}

// One quantity: its caption (naming the unit in force), its list, where the
// list's entries come from and which index Save writes.
struct UnitChoice {
    int captionId;
    int captionText;
    int listId;
    std::vector<std::u16string> (*entries)(const AppState&);
    std::uint8_t EngineSettings::*index;
};

// In the order the dialog fills them and Save writes them.
constexpr UnitChoice kUnitChoices[] = {
    {1058, 75, 1059, flowEntries, &EngineSettings::flowUnitIndex},                // "Flow rate (%s)"
    {1060, 76, 1061, pressureEntries, &EngineSettings::pressureUnitIndex},        // "Pressure (%s)"
    {1064, 77, 1065, powerEntries, &EngineSettings::powerUnitIndex},              // "Power(%s)"
    {1066, 78, 1067, temperatureEntries, &EngineSettings::temperatureUnitIndex},  // "Temperature (%s)"
};

} // namespace

CArveloCalcSetupUmDlg::CArveloCalcSetupUmDlg(AppState& state, std::u16string title)
    : SettingsDialog(unitsDialogTemplate(), std::move(title), state, kSaveButton, kCancelButton), state_(state)
{
}

void CArveloCalcSetupUmDlg::onOpen()
{
    for (const UnitChoice& choice : kUnitChoices) {
        std::vector<std::u16string> entries = choice.entries(state_);
        const std::size_t index = state_.engine.*choice.index;
        const std::u16string unit = index < entries.size() ? entries[index] : std::u16string();
        setLabel(choice.captionId, formatText(text(choice.captionText), {unit}), ControlFont::Bold);
        fillDropDownList(controls()[choice.listId], std::move(entries), index);
    }
    showSaveAndCancel();
}

void CArveloCalcSetupUmDlg::save()
{
    for (const UnitChoice& choice : kUnitChoices)
        if (const auto picked = pickedEntry(controls()[choice.listId]))
            state_.engine.*choice.index = static_cast<std::uint8_t>(*picked);
    end(kResultOk);
}
