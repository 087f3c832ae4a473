#include "windows/branch/branch_window.h"

#include "app/unit_conversion.h"
#include "app/user_messages.h"
#include "branch/branch_chart_svg.h"
#include "branch/branch_result_texts.h"
#include "branch/branch_text_ids.h"
#include "data/number_text.h"
#include "data/text_format.h"
#include "data/text_table.h"
#include "db/product_db.h"
#include "db/valve_list_store.h"
#include "resources/layouts/dialog_templates.h"
#include "windows/branch/branch_window_ids.h"
#include "windows/dialogs/arvelo_calc_calc_dlg.h"
#include "files/export_failure_text.h"
#include "windows/common/numeric_field.h"
#include "windows/common/save_file_chooser.h"
#include "files/write_file_atomically.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <iostream>

using namespace BranchWindowId;
using namespace branch_text;

namespace {

constexpr int kFlowColumn = 1;
constexpr int kKindColumn = 4;
constexpr std::array<BranchValveKind, 3> kKinds{BranchValveKind::FixedOrifice, BranchValveKind::VariableOrifice,
                                                BranchValveKind::PressureIndependent};
constexpr std::array<int, 5> kCircuitColumnWidths{150, 110, 120, 120, 160};
constexpr std::array<int, 15> kResultColumnWidths{44, 100, 120, 80, 110, 100, 90, 110, 60, 100, 80, 70, 80, 80, 420};

std::u16string numberText(float value)
{
    return utf8ToUtf16(formatCommaDecimal(value));
}

// A number typed into a cell: digits with a decimal comma or point, not
// negative and not beyond single precision; none for anything else.
std::optional<float> cellNumber(const std::u16string& cell)
{
    const std::string text = utf16ToUtf8(cell);
    if (text.find_first_of("0123456789") == std::string::npos || text.find('-') != std::string::npos)
        return std::nullopt;
    const float value = parseCommaDecimal(text);
    return std::isfinite(value) ? std::optional<float>(value) : std::nullopt;
}

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
        columns.push_back({captions[i], kCircuitColumnWidths[i], i > 0 && i < kKindColumn});
    c[kCircuitTable].columns = columns;
    const BranchResultTexts headers = branchResultTexts(state_, Branch{}, BranchResult{});
    c[kResultList].columns.clear();
    for (std::size_t i = 0; i < headers.headers.size(); ++i)
        c[kResultList].columns.push_back(
            {headers.headers[i], kResultColumnWidths[std::min(i, kResultColumnWidths.size() - 1)], false});
    c[kCircuitTable].columnChoices.assign(kKindColumn + 1, {});
    for (const BranchValveKind kind : kKinds)
        c[kCircuitTable].columnChoices[kKindColumn].push_back(valveKindName(state_.languageIndex, kind));
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

void BranchWindow::showCircuits()
{
    ControlState& table = controls()[kCircuitTable];
    table.rows.clear();
    for (const BranchCircuit& circuit : branch_.circuits) {
        ListRow row;
        row.cells = {utf8ToUtf16(circuit.designation), numberText(flowFromBase(state_, circuit.flow).value_or(0.0f)),
                     numberText(pressureFromBase(state_, circuit.circuitLoss)),
                     numberText(pressureFromBase(state_, circuit.riserLoss)),
                     valveKindName(state_.languageIndex, circuit.kind)};
        table.rows.push_back(std::move(row));
    }
    table.rows.push_back({-1, std::vector<std::u16string>(table.columns.size())}); // the row for a new circuit
    table.selectedRow = std::min(table.selectedRow, static_cast<int>(table.rows.size()) - 1);
}

void BranchWindow::showSavedBranches()
{
    ControlState& list = controls()[kSavedList];
    list.entries.clear();
    list.currentIndex = -1;
    for (const std::string& name : store_.names()) {
        if (savedName_ && name == *savedName_)
            list.currentIndex = static_cast<int>(list.entries.size());
        list.entries.push_back(utf8ToUtf16(name));
    }
    if (list.currentIndex < 0 && !list.entries.empty())
        list.currentIndex = 0;
}

void BranchWindow::showResults()
{
    ControlModel& c = controls();
    c[kResultList].rows.clear();
    c[kResultList].selectedRow = -1;
    if (!result_) {
        c[kPumpHeadLabel].text.clear();
        c[kIndexLabel].text.clear();
        c[kChart].svg.clear();
        c[kAddButton].enabled = c[kExportChartButton].enabled = false;
        return;
    }
    const BranchResultTexts texts = branchResultTexts(state_, branch_, *result_);
    for (std::size_t i = 0; i < texts.rows.size(); ++i) {
        ListRow row{-1, texts.rows[i]};
        if (i == texts.indexRow) // the index circuit stands out in the list too
            row.cells.front() = u"\u25B6 " + row.cells.front();
        c[kResultList].rows.push_back(std::move(row));
    }
    c[kResultList].selectedRow = static_cast<int>(texts.indexRow);
    c[kPumpHeadLabel].text = texts.pumpHeadCaption + u": " + texts.pumpHeadValue;
    c[kIndexLabel].text = texts.indexCaption + u": " + texts.indexValue;
    c[kChart].svg = branchChartSvg(state_, branch_, *result_);
    c[kAddButton].enabled = c[kExportChartButton].enabled = true;
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

bool BranchWindow::applyCell(BranchCircuit& circuit, int column, const std::u16string& cell)
{
    if (column == 0) {
        ProjectRow fitted; // a designation fits the valve list's field
        fitted.riferimento = utf16ToUtf8(cell);
        circuit.designation = fittedToFields(fitted).riferimento;
        return true;
    }
    if (column == kKindColumn) {
        for (const BranchValveKind kind : kKinds)
            if (cell == valveKindName(state_.languageIndex, kind)) {
                circuit.kind = kind;
                return true;
            }
        return false;
    }
    const std::optional<float> value = cellNumber(cell);
    if (!value)
        return false;
    if (column == kFlowColumn) {
        const std::optional<float> base = flowToBase(state_, *value);
        if (!base)
            return false;
        circuit.flow = *base;
    } else {
        (column == 2 ? circuit.circuitLoss : circuit.riserLoss) = pressureToBase(state_, *value);
    }
    return true;
}

void BranchWindow::onCellChanged(int controlId, int row, int column)
{
    ControlState& table = controls()[controlId];
    if (controlId != kCircuitTable || row < 0 || row >= static_cast<int>(table.rows.size()) || column < 0 ||
        column >= static_cast<int>(table.rows[static_cast<std::size_t>(row)].cells.size()))
        return;
    editCircuit(row, column, table.rows[static_cast<std::size_t>(row)].cells[static_cast<std::size_t>(column)],
                std::nullopt);
}

void BranchWindow::editCircuit(int row, int column, const std::u16string& cell,
                               const std::optional<CircuitHeatLoad>& heatLoad)
{
    const bool newCircuit = static_cast<std::size_t>(row) == branch_.circuits.size();
    if (newCircuit && cell.empty())
        return;
    BranchCircuit circuit = newCircuit ? BranchCircuit{} : branch_.circuits[static_cast<std::size_t>(row)];
    // A cell that does not read as its column's value shows the circuit's value again.
    if (applyCell(circuit, column, cell)) {
        if (column == kFlowColumn)
            circuit.heatLoad = heatLoad; // a typed flow is no longer the heat load's
        if (newCircuit)
            branch_.circuits.push_back(circuit);
        else
            branch_.circuits[static_cast<std::size_t>(row)] = circuit;
        changed();
    }
    showCircuits();
}

void BranchWindow::changed()
{
    result_.reset();
    showResults();
    persist();
}

std::string BranchWindow::freeDefaultName()
{
    const std::vector<std::string> names = store_.names();
    const std::string stem = utf16ToUtf8(text(kBranch)) + " ";
    for (int n = 1;; ++n)
        if (std::find(names.begin(), names.end(), stem + std::to_string(n)) == names.end())
            return stem + std::to_string(n);
}

void BranchWindow::persist()
{
    if (!savedName_) {
        if (branch_.circuits.empty())
            return; // nothing worth keeping yet
        std::string name = utf16ToUtf8(controls()[kNameField].text);
        if (!name.empty() && store_.open(name)) {
            // Never overwrite another saved branch.
            services_.messages.showMessage(formatText(text(kBranchNameTaken), {utf8ToUtf16(name)}));
            name.clear();
        }
        branch_.settings.name = name.empty() ? freeDefaultName() : name;
        controls()[kNameField].text = utf8ToUtf16(branch_.settings.name);
    }
    if (store_.save(branch_) == BranchStoreResult::Done) {
        savedName_ = branch_.settings.name;
        saveFailed_ = false;
    } else if (!saveFailed_) {
        // Once, not at every keystroke, until a save works again.
        saveFailed_ = true;
        services_.messages.showMessage(text(kBranchNotSaved));
    }
    showSavedBranches();
}

void BranchWindow::calculate()
{
    if (branch_.circuits.empty())
        return;
    result_ = balanceBranch(state_, db_, branch_);
    showResults();
}

void BranchWindow::addToValveList()
{
    if (!result_) {
        services_.messages.showMessage(text(kCalculateFirst));
        return;
    }
    int added = 0;
    std::u16string report;
    for (std::size_t i = 0; i < branch_.circuits.size() && i < result_->circuits.size(); ++i) {
        const BranchCircuit& circuit = branch_.circuits[i];
        const CircuitResult& sized = result_->circuits[i];
        if (!sized.valve.found)
            continue;
        if (circuit.designation.empty()) {
            report += text(kDesignationMissing) + u"\n";
            continue;
        }
        std::vector<ProjectRow> same;
        db_.findProjectsByDesignation(circuit.designation, same);
        if (!same.empty()) {
            report += formatText(text(kDesignationSkipped), {utf8ToUtf16(circuit.designation)}) + u"\n";
            continue;
        }
        const bool picv = circuit.kind == BranchValveKind::PressureIndependent;
        ProjectRow row;
        row.nome_tipo = sized.valve.model;
        row.dimensione = sized.valve.nominalSize;
        row.numero_di_materiale = sized.valve.technicalCode;
        row.dP = sized.valveDp;
        row.portata = sized.flow;
        row.fluido = state_.fluidIndex;
        // Without a heat load the temperatures are those the main window
        // shows when no flow was calculated from a power.
        const CircuitHeatLoad load = circuit.heatLoad.value_or(
            CircuitHeatLoad{0.0f, powerUnitLabel(state_), 20.0f, 15.0f, temperatureUnitLabel(state_)});
        row.potenza = load.power;
        row.t_mandata = load.supplyTemperature;
        row.t_ritorno = load.returnTemperature;
        row.presetting = formatResultNumber(sized.valve.presetting);
        row.kv = formatResultNumber(picv ? sized.valve.flowAtSetting : sized.valve.kvAtSetting);
        row.apertura = picv ? std::string() : formatResultNumber(sized.valve.opening * 100.0f);
        row.riferimento = circuit.designation;
        row.muP = pressureUnitLabel(state_);
        row.muQ = flowUnitLabel(state_);
        row.muPower = load.powerUnit;
        row.muTemp = load.temperatureUnit;
        if (appendToValveList(db_, fittedToFields(row), state_.projects) == 0)
            ++added;
    }
    services_.messages.showMessage(report + formatText(text(kValvesAdded), {utf8ToUtf16(std::to_string(added))}));
}

void BranchWindow::exportChart()
{
    if (!result_) {
        services_.messages.showMessage(text(kCalculateFirst));
        return;
    }
    const std::optional<std::filesystem::path> file =
        services_.files.chooseSaveFile(text(kSelectFileName), services_.exportFolder, {{u"SVG (*.svg)", u"svg"}});
    if (!file)
        return;
    if (const auto failure = writeFileAtomically(*file, branchChartSvg(state_, branch_, *result_))) {
        services_.messages.showMessage(exportFailureText(state_.languageIndex, *file, *failure));
        return;
    }
    services_.messages.showMessage(text(kFileSaved));
}

void BranchWindow::deleteRow()
{
    const int row = controls()[kCircuitTable].selectedRow;
    if (row < 0 || static_cast<std::size_t>(row) >= branch_.circuits.size())
        return;
    branch_.circuits.erase(branch_.circuits.begin() + row);
    showCircuits();
    changed();
}

void BranchWindow::moveRow(int by)
{
    ControlState& table = controls()[kCircuitTable];
    const int row = table.selectedRow;
    const int target = row + by;
    const int count = static_cast<int>(branch_.circuits.size());
    if (row < 0 || row >= count || target < 0 || target >= count)
        return;
    std::swap(branch_.circuits[static_cast<std::size_t>(row)], branch_.circuits[static_cast<std::size_t>(target)]);
    table.selectedRow = target;
    showCircuits();
    changed();
}

std::optional<std::string> BranchWindow::pickedName()
{
    const ControlState& list = controls()[kSavedList];
    if (list.currentIndex < 0 || static_cast<std::size_t>(list.currentIndex) >= list.entries.size())
        return std::nullopt;
    return utf16ToUtf8(list.entries[static_cast<std::size_t>(list.currentIndex)]);
}

void BranchWindow::openPicked()
{
    const std::optional<std::string> name = pickedName();
    if (!name)
        return;
    const std::optional<Branch> opened = store_.open(*name);
    if (!opened)
        return;
    branch_ = *opened;
    savedName_ = name;
    result_.reset();
    controls()[kCircuitTable].selectedRow = -1;
    showSettings();
    showCircuits();
    showSavedBranches();
    showResults();
}

void BranchWindow::renameBranch()
{
    const std::string name = utf16ToUtf8(controls()[kNameField].text);
    if (name.empty()) {
        services_.messages.showMessage(text(kEnterBranchName));
        return;
    }
    if (!savedName_) {
        persist();
        return;
    }
    switch (store_.rename(*savedName_, name)) {
    case BranchStoreResult::Done:
        savedName_ = branch_.settings.name = name;
        break;
    case BranchStoreResult::NameTaken:
        services_.messages.showMessage(formatText(text(kBranchNameTaken), {utf8ToUtf16(name)}));
        break;
    default: break;
    }
    showSavedBranches();
}

void BranchWindow::deletePicked()
{
    const std::optional<std::string> name = pickedName();
    if (!name)
        return;
    if (store_.remove(*name) == BranchStoreResult::Done && savedName_ == name) {
        // The open branch is gone: the window starts a new one.
        branch_ = Branch{};
        savedName_.reset();
        result_.reset();
        showSettings();
        showCircuits();
        showResults();
    }
    showSavedBranches();
}

void BranchWindow::flowFromHeatLoad()
{
    ListRows& rows = controls()[kCircuitTable].rows;
    if (rows.empty())
        return;
    // The circuit the cursor is in, else the row that takes a new one.
    const int selected = controls()[kCircuitTable].selectedRow;
    const int row = selected >= 0 && selected < static_cast<int>(rows.size()) ? selected
                                                                              : static_cast<int>(rows.size()) - 1;
    const std::size_t index = static_cast<std::size_t>(row);
    CArveloCalcCalcDlg dialog(state_, text(kFlowCalculation));
    dialog.flowText = utf16ToUtf8(rows[index].cells.at(kFlowColumn));
    dialog.powerText = powerText_;
    dialog.supplyTempText = supplyTemperatureText_;
    dialog.returnTempText = returnTemperatureText_;
    // A circuit's own heat load comes first, while it is in the units in force.
    const std::optional<CircuitHeatLoad> own =
        index < branch_.circuits.size() ? branch_.circuits[index].heatLoad : std::nullopt;
    if (own && own->powerUnit == powerUnitLabel(state_) && own->temperatureUnit == temperatureUnitLabel(state_)) {
        dialog.powerText = formatCommaDecimal(own->power);
        dialog.supplyTempText = formatCommaDecimal(own->supplyTemperature);
        dialog.returnTempText = formatCommaDecimal(own->returnTemperature);
    }
    if (services_.windows.runModal(dialog) != kResultOk)
        return;
    powerText_ = dialog.powerText;
    supplyTemperatureText_ = dialog.supplyTempText;
    returnTemperatureText_ = dialog.returnTempText;
    const std::u16string flow = utf8ToUtf16(dialog.flowText);
    rows.edit()[index].cells[kFlowColumn] = flow;
    editCircuit(row, kFlowColumn, flow,
                CircuitHeatLoad{parseCommaDecimal(dialog.powerText), powerUnitLabel(state_),
                                parseCommaDecimal(dialog.supplyTempText), parseCommaDecimal(dialog.returnTempText),
                                temperatureUnitLabel(state_)});
}
