#include "windows/branch/branch_window.h"

#include "app/unit_conversion.h"
#include "branch/branch_result_texts.h"
#include "branch/branch_text_ids.h"
#include "data/number_text.h"
#include "data/text_format.h"
#include "data/text_table.h"
#include "db/product_db.h"
#include "resources/layouts/dialog_templates.h"
#include "windows/branch/branch_window_ids.h"
#include "windows/branch/circuit_cells.h"
#include "windows/common/numeric_field.h"

#include <algorithm>
#include <array>
#include <iostream>

using namespace BranchWindowId;
using namespace branch_text;

namespace {

constexpr std::array<int, circuit_column::kCount> kCircuitColumnWidths{150, 110, 120, 120, 160};
constexpr std::array<int, 15> kResultColumnWidths{44, 100, 120, 80, 110, 100, 90, 110, 60, 100, 80, 70, 80, 80, 420};

} // namespace

BranchWindow::BranchWindow(AppState& state, ProductDb& db, BranchWindowServices services, std::u16string caption)
    : WindowLogic(branchWindowTemplate(), std::move(caption)), state_(state), db_(db), services_(std::move(services)),
      store_(db.handle(), std::cerr)
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
    showSavedBranches();
    showResults();
}

void BranchWindow::showTexts()
{
    ControlModel& c = controls();
    const std::string pressure = pressureUnitLabel(state_);
    c[kNameCaption].text = text(kBranchName);
    c[kMinimumDpCaption].text = captionWithUnit(state_.languageIndex, kMinimumStaticDp, pressure);
    c[kNoiseLimitCaption].text = captionWithUnit(state_.languageIndex, kNoiseLimit, pressure);
    c[kDeleteRowButton].text = text(kDeleteRow);
    c[kMoveUpButton].text = text(kMoveUp);
    c[kMoveDownButton].text = text(kMoveDown);
    c[kFlowCalculationButton].text = text(kFlowCalculation);
    c[kCalculateButton].text = text(kCalculate);
    c[kAddButton].text = text(kAddToValveList);
    c[kExportChartButton].text = text(kExportChart);
    c[kSavedCaption].text = text(kSavedBranches);
    c[kOpenButton].text = text(kOpen);
    c[kRenameButton].text = text(kRename);
    c[kDeleteButton].text = text(kDelete);
    c[kNameField].maxLength = static_cast<int>(kProjectNameLength);

    std::vector<ListColumn> columns;
    const std::array<std::u16string, 5> captions{
        text(kDesignation), captionWithUnit(state_.languageIndex, kFlowRate, flowUnitLabel(state_)),
        captionWithUnit(state_.languageIndex, kCircuitLoss, pressure),
        captionWithUnit(state_.languageIndex, kRiserLoss, pressure), text(kValveType)};
    for (std::size_t i = 0; i < captions.size(); ++i)
        columns.push_back({captions[i], kCircuitColumnWidths[i], i > 0 && i < circuit_column::kKind});
    c[kCircuitTable].columns = columns;
    const BranchResultTexts headers = branchResultTexts(state_, Branch{}, BranchResult{});
    c[kResultList].columns.clear();
    for (std::size_t i = 0; i < headers.headers.size(); ++i)
        c[kResultList].columns.push_back(
            {headers.headers[i], kResultColumnWidths[std::min(i, kResultColumnWidths.size() - 1)], false});
    c[kCircuitTable].columnChoices.assign(circuit_column::kKind + 1, {});
    for (const BranchValveKind kind : kCircuitKinds)
        c[kCircuitTable].columnChoices[circuit_column::kKind].push_back(valveKindName(state_.languageIndex, kind));
}

void BranchWindow::showSettings()
{
    ControlModel& c = controls();
    c[kNameField].text = utf8ToUtf16(branch_.settings.name);
    minimumDpText_ = formatCommaDecimal(pressureFromBase(state_, branch_.settings.minimumStaticDp));
    noiseLimitText_ = formatCommaDecimal(pressureFromBase(state_, branch_.settings.noiseLimit));
    c[kMinimumDpField].text = utf8ToUtf16(minimumDpText_);
    c[kNoiseLimitField].text = utf8ToUtf16(noiseLimitText_);
    limitToNumericText(c[kMinimumDpField]);
    limitToNumericText(c[kNoiseLimitField]);
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
    if (controlId == kMinimumDpField) {
        numericFieldChanged(controls(), kMinimumDpField, minimumDpText_);
        branch_.settings.minimumStaticDp = pressureToBase(state_, parseCommaDecimal(minimumDpText_));
    } else if (controlId == kNoiseLimitField) {
        numericFieldChanged(controls(), kNoiseLimitField, noiseLimitText_);
        branch_.settings.noiseLimit = pressureToBase(state_, parseCommaDecimal(noiseLimitText_));
    } else {
        return; // the name takes effect with Rename
    }
    changed();
}

void BranchWindow::changed()
{
    result_.reset();
    showResults();
    persist();
}
