#include "windows/branch/branch_window.h"

#include "app/unit_conversion.h"
#include "branch/branch_design_text_ids.h"
#include "branch/branch_result_texts.h"
#include "branch/branch_text_ids.h"
#include "data/text_format.h"
#include "data/text_table.h"
#include "db/product_db.h"
#include "resources/layouts/dialog_templates.h"
#include "system/system_text_ids.h"
#include "windows/branch/branch_window_ids.h"
#include "windows/branch/circuit_cells.h"

#include <array>
#include <iostream>

using namespace BranchWindowId;
using namespace branch_text;

namespace {

struct CircuitColumn {
    int textId;
    bool pressureUnit; // else without a unit, or with its own in the text
    int width;
};
const std::array<CircuitColumn, circuit_column::kCount> kCircuitColumns{{
    {kDesignation, false, 150},
    {kFlowRate, false, 110},
    {kCircuitLoss, true, 120},
    {kRiserLoss, true, 120},
    {kValveType, false, 160},
    {branch_design_text::kPipeLength, false, 140},
    {branch_design_text::kInnerDiameter, false, 170},
    {branch_design_text::kRoughness, false, 150},
    {branch_design_text::kZeta, false, 140},
    {branch_design_text::kControlValveKvs, false, 200},
}};

// The branch settings' fields: its hydraulic limits.
const std::vector<SettingField<BranchSettings>> kSettingFields{
    {kMinimumDpCaption, kMinimumDpField, kMinimumStaticDp, nullptr, nullptr, &HydraulicLimits::minimumStaticDp},
    {kNoiseLimitCaption, kNoiseLimitField, kNoiseLimit, nullptr, nullptr, &HydraulicLimits::noiseLimit},
    {kFluidTemperatureCaption, kFluidTemperatureField, branch_design_text::kFluidTemperature, "\u00B0C", nullptr,
     &HydraulicLimits::fluidTemperature},
    {kVelocityLimitCaption, kVelocityLimitField, branch_design_text::kVelocityLimit, "m/s", nullptr,
     &HydraulicLimits::velocityLimit},
    {kAuthorityLimitCaption, kAuthorityLimitField, branch_design_text::kAuthorityLimit, "", nullptr,
     &HydraulicLimits::authorityLimit},
};

} // namespace

BranchWindow::BranchWindow(AppState& state, ProductDb& db, BranchWindowServices services, std::u16string caption)
    : WindowLogic(branchWindowTemplate(), std::move(caption)), state_(state), db_(db), services_(std::move(services)),
      store_(db.handle(), std::cerr),
      saved_(store_, services_.messages, state,
             {kBranch, kBranchNameTaken, kBranchNotSaved, kEnterBranchName})
{
}

std::u16string BranchWindow::text(int id) const
{
    return std::u16string(TextTable::text(state_.languageIndex, id));
}

void BranchWindow::onOpen()
{
    store_.ensureTables(); // a catalogue older than the branches lacks their tables
    showTexts();
    showSettings();
    showCircuits();
    saved_.show(controls()[kSavedList]);
    showResults();
}

void BranchWindow::showTexts()
{
    ControlModel& c = controls();
    const std::string pressure = pressureUnitLabel(state_);
    c[kNameCaption].text = text(kBranchName);
    settingTexts_.showCaptions(c, state_, kSettingFields);
    c[kDeleteRowButton].text = text(kDeleteRow);
    c[kMoveUpButton].text = text(kMoveUp);
    c[kMoveDownButton].text = text(kMoveDown);
    c[kFlowCalculationButton].text = text(kFlowCalculation);
    c[kCalculateButton].text = text(kCalculate);
    c[kAddButton].text = text(kAddToValveList);
    c[kExportChartButton].text = text(kExportChart);
    c[kOpenFileButton].text = text(branch_design_text::kOpenCircuitsFile);
    c[kSaveFileButton].text = text(branch_design_text::kSaveCircuitsFile);
    c[kBalanceSystemButton].text = text(system_text::kBalanceSystem);
    c[kSavedCaption].text = text(kSavedBranches);
    c[kOpenButton].text = text(kOpen);
    c[kRenameButton].text = text(kRename);
    c[kDeleteButton].text = text(kDelete);
    c[kNameField].maxLength = static_cast<int>(kProjectNameLength);

    std::vector<ListColumn> columns;
    for (std::size_t i = 0; i < kCircuitColumns.size(); ++i) {
        const CircuitColumn& column = kCircuitColumns[i];
        const std::string unit = column.pressureUnit ? pressure : flowUnitLabel(state_);
        // Numbers stand to the right, names and kinds to the left.
        const bool number = i != circuit_column::kDesignation && i != circuit_column::kKind;
        columns.push_back({captionWithUnit(state_.languageIndex, column.textId, unit), column.width, number});
    }
    c[kCircuitTable].columns = columns;
    c[kCircuitTable].columnChoices.assign(circuit_column::kKind + 1, {});
    for (const BranchValveKind kind : kCircuitKinds)
        c[kCircuitTable].columnChoices[circuit_column::kKind].push_back(valveKindName(state_.languageIndex, kind));
}

void BranchWindow::showSettings()
{
    ControlModel& c = controls();
    c[kNameField].text = utf8ToUtf16(branch_.settings.name);
    settingTexts_.show(c, state_, kSettingFields, branch_.settings);
}

void BranchWindow::onClick(int controlId)
{
    switch (controlId) {
    case kCalculateButton: calculate(); break;
    case kAddButton: addToValveList(); break;
    case kExportChartButton: exportChart(); break;
    case kDeleteRowButton: deleteRow(); break;
    case kMoveUpButton: moveRow(-1); break;
    case kMoveDownButton: moveRow(1); break;
    case kOpenButton: openPicked(); break;
    case kRenameButton: renameBranch(); break;
    case kDeleteButton: deletePicked(); break;
    case kFlowCalculationButton: flowFromHeatLoad(); break;
    case kOpenFileButton: openCircuitsFile(); break;
    case kSaveFileButton: saveCircuitsFile(); break;
    case kBalanceSystemButton: openSystemWindow(); break;
    default: break;
    }
}

bool BranchWindow::onKeyDown(Key key, int focusedControlId)
{
    if (key == Key::Escape) {
        end(kResultOk);
        return true;
    }
    if (focusedControlId == kCircuitTable)
        return false; // the table moves on to the next cell
    calculate();
    return true;
}

void BranchWindow::onTextChanged(int controlId)
{
    if (settingTexts_.apply(controls(), state_, kSettingFields, branch_.settings, controlId))
        changed();
    // the name takes effect with Rename
}

void BranchWindow::changed()
{
    result_.reset();
    showResults();
    persist();
}
