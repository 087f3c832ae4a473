#include "windows/system/system_window.h"

#include "app/unit_conversion.h"
#include "branch/branch_design_text_ids.h"
#include "branch/branch_result_texts.h"
#include "branch/branch_text_ids.h"
#include "data/text_format.h"
#include "data/text_table.h"
#include "db/product_db.h"
#include "resources/layouts/dialog_templates.h"
#include "system/system_result_texts.h"
#include "system/system_text_ids.h"
#include "windows/system/system_branch_cells.h"
#include "windows/system/system_window_ids.h"
#include "windows/system/system_window_text_ids.h"

#include <array>
#include <iostream>

using namespace SystemWindowId;

namespace {

struct BranchColumn {
    int textId;
    bool pressureUnit; // else without a unit, or with its own in the text
    int width;
};
const std::array<BranchColumn, system_column::kCount> kBranchColumns{{
    {branch_text::kBranch, false, 170},
    {system_text::kFootDevice, false, 170},
    {branch_text::kSectionLoss, true, 210},
    {branch_design_text::kPipeLength, false, 140},
    {branch_design_text::kInnerDiameter, false, 170},
    {branch_design_text::kRoughness, false, 150},
    {branch_design_text::kZeta, false, 140},
}};

// The system settings' fields: the plant's loss and hydraulic limits.
const std::vector<SettingField<SystemSettings>> kSettingFields{
    {kPlantLossCaption, kPlantLossField, system_text::kPlantLoss, nullptr, &SystemSettings::plantLoss, nullptr},
    {kNoiseLimitCaption, kNoiseLimitField, branch_text::kNoiseLimit, nullptr, nullptr, &HydraulicLimits::noiseLimit},
    {kMinimumDpCaption, kMinimumDpField, branch_text::kMinimumStaticDp, nullptr, nullptr,
     &HydraulicLimits::minimumStaticDp},
    {kFluidTemperatureCaption, kFluidTemperatureField, branch_design_text::kFluidTemperature, "\u00B0C", nullptr,
     &HydraulicLimits::fluidTemperature},
    {kVelocityLimitCaption, kVelocityLimitField, branch_design_text::kVelocityLimit, "m/s", nullptr,
     &HydraulicLimits::velocityLimit},
};

} // namespace

SystemWindow::SystemWindow(AppState& state, ProductDb& db, SystemWindowServices services, std::u16string caption)
    : WindowLogic(systemWindowTemplate(), std::move(caption)), state_(state), db_(db), services_(std::move(services)),
      branches_(db.handle(), std::cerr), store_(db.handle(), std::cerr),
      saved_(store_, services_.messages, state,
             {system_window_text::kSystem, system_window_text::kSystemNameTaken, system_window_text::kSystemNotSaved,
              system_window_text::kEnterSystemName})
{
}

std::u16string SystemWindow::text(int id) const
{
    return std::u16string(TextTable::text(state_.languageIndex, id));
}

void SystemWindow::onOpen()
{
    // A catalogue older than the saved systems lacks their tables.
    branches_.ensureTables();
    store_.ensureTables();
    showTexts();
    showSettings();
    showBranches();
    saved_.show(controls()[kSavedList]);
    showResults();
}

void SystemWindow::showTexts()
{
    using namespace branch_text;
    ControlModel& c = controls();
    const std::string pressure = pressureUnitLabel(state_);
    c[kNameCaption].text = text(system_window_text::kSystemName);
    settingTexts_.showCaptions(c, state_, kSettingFields);
    c[kDeleteRowButton].text = text(kDeleteRow);
    c[kMoveUpButton].text = text(kMoveUp);
    c[kMoveDownButton].text = text(kMoveDown);
    c[kOpenBranchButton].text = text(system_window_text::kOpenBranch);
    c[kCalculateButton].text = text(kCalculate);
    c[kSavedCaption].text = text(system_window_text::kSavedSystems);
    c[kOpenButton].text = text(kOpen);
    c[kRenameButton].text = text(kRename);
    c[kDeleteButton].text = text(kDelete);
    c[kNameField].maxLength = static_cast<int>(kProjectNameLength);

    std::vector<ListColumn> columns;
    for (std::size_t i = 0; i < kBranchColumns.size(); ++i) {
        const BranchColumn& column = kBranchColumns[i];
        // Numbers stand to the right, names and devices to the left.
        const bool number = i != system_column::kBranch && i != system_column::kFoot;
        columns.push_back(
            {captionWithUnit(state_.languageIndex, column.textId, column.pressureUnit ? pressure : ""), column.width,
             number});
    }
    c[kBranchTable].columns = columns;
    c[kBranchTable].columnChoices.assign(system_column::kFoot + 1, {});
    for (const FootDevice device : kFootDevices)
        c[kBranchTable].columnChoices[system_column::kFoot].push_back(footDeviceName(state_.languageIndex, device));
}

void SystemWindow::showSettings()
{
    ControlModel& c = controls();
    c[kNameField].text = utf8ToUtf16(system_.settings.name);
    settingTexts_.show(c, state_, kSettingFields, system_.settings);
}

void SystemWindow::onClick(int controlId)
{
    switch (controlId) {
    case kCalculateButton: calculate(); break;
    case kDeleteRowButton: deleteRow(); break;
    case kMoveUpButton: moveRow(-1); break;
    case kMoveDownButton: moveRow(1); break;
    case kOpenBranchButton: openBranch(); break;
    case kOpenButton: openPicked(); break;
    case kRenameButton: renameSystem(); break;
    case kDeleteButton: deletePicked(); break;
    default: break;
    }
}

bool SystemWindow::onKeyDown(Key key, int focusedControlId)
{
    if (key == Key::Escape) {
        end(kResultOk);
        return true;
    }
    if (focusedControlId == kBranchTable)
        return false; // the table moves on to the next cell
    calculate();
    return true;
}

void SystemWindow::onTextChanged(int controlId)
{
    if (settingTexts_.apply(controls(), state_, kSettingFields, system_.settings, controlId))
        changed();
    // the name takes effect with Rename
}

void SystemWindow::changed()
{
    result_.reset();
    showResults();
    persist();
}
