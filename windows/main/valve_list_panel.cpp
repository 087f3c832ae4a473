#include "windows/main/arvelo_calc_dlg.h"

#include "app/user_messages.h"
#include "data/text_format.h"
#include "db/measurement_store.h"
#include "db/product_db.h"
#include "db/valve_readings.h"
#include "commissioning/branch_protocol_charts.h"
#include "commissioning/commissioning_protocol.h"
#include "commissioning/valve_facts.h"
#include "valve_list/designation_field.h"
#include "valve_list/valve_list_addition.h"
#include "files/export_failure_text.h"
#include "windows/main/main_window_ids.h"
#include "commissioning/measurement_cell.h"
#include "commissioning/measurement_texts.h"
#include "commissioning/protocol_printer.h"
#include "windows/common/save_file_chooser.h"
#include "valve_list/valve_list_columns.h"
#include "valve_list/valve_list_export.h"
#include "valve_list/valve_list_fault_texts.h"
#include "valve_list/valve_list_record_texts.h"
#include "files/write_file_atomically.h"

#include <algorithm>
#include <cctype>
#include <vector>

using namespace MainWindowId;
using namespace ValveListFaultText;
using namespace ValveListRecordText;

namespace {

constexpr int kTextSelectFileName = 46;
constexpr int kTextFileSaved = 47;
constexpr int kTextNoProjectData = 103;
constexpr int kTextEnterDesignation = 104;
constexpr int kTextDesignationExists = 105;
constexpr int kTextSelectValve = 106;
constexpr int kTextEnterProjectAndCustomer = 107;
constexpr int kTextCommissioningProtocol = 109;
// The column beside the list's own 14 that marks a measured valve.
constexpr int kMeasuredColumnWidth = 90;

// A name ending in ".pdf" (any case) asks for the protocol, whatever filter
// the dialog showed.
bool isProtocolFile(const std::filesystem::path& file)
{
    std::string extension = file.extension().string();
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return extension == ".pdf";
}

std::u16string countText(std::size_t count) { return utf8ToUtf16(std::to_string(count)); }

std::vector<ValveKey> valveKeys(const std::vector<ProjectRow>& valves)
{
    std::vector<ValveKey> keys;
    for (const ProjectRow& valve : valves)
        keys.push_back({valve.posizione, valve.riferimento});
    return keys;
}

bool sameFolder(const std::filesystem::path& a, const std::filesystem::path& b)
{
    std::error_code error;
    return std::filesystem::equivalent(a, b, error) || a.lexically_normal() == b.lexically_normal();
}

} // namespace

void CArveloCalcDlg::setupValveListColumns()
{
    ControlState& list = controls()[kValveList];
    list.columns.clear();
    for (const ValveListColumn& column : kValveListColumns)
        list.columns.push_back({text(column.headerTextId), column.width, false});
    list.columns.push_back({text(MeasurementText::kMeasuredHeader), kMeasuredColumnWidth, false});
    valveListIndex = -1;
}

void CArveloCalcDlg::fillValveList()
{
    ControlState& list = controls()[kValveList];
    list.rows.clear();
    if (state_.projectsNotRead) {
        // In the list's place, never an empty list: one row, one cell.
        list.rows.push_back({-1, {databaseFailureText(state_.languageIndex, kListNotReadYet, *state_.projectsNotRead)}});
        list.selectedRow = -1;
        return;
    }
    for (const ProjectRow& row : state_.projects) {
        std::vector<std::u16string> cells = valveListCells(row, state_.languageIndex);
        cells.push_back(measuredCell(row, findMeasurement(measurements_, row.posizione, row.riferimento)));
        list.rows.push_back({-1, std::move(cells)});
    }
    const bool exists = valveListIndex >= 0 && static_cast<std::size_t>(valveListIndex) < list.rows.size();
    list.selectedRow = exists ? valveListIndex : -1;
}

void CArveloCalcDlg::tellDatabaseFailure(int textId)
{
    services_.messages.showMessage(databaseFailureText(state_.languageIndex, textId, db_.lastFailure()));
}

// A list that could not be read whole is never shown: the screen keeps the
// last list read, which is also the list a click on a row refers to.
void CArveloCalcDlg::reloadValveList()
{
    std::vector<ProjectRow> loaded;
    if (!db_.loadProjects(loaded)) {
        tellDatabaseFailure(kListNotRead);
        return;
    }
    state_.projects = std::move(loaded);
    state_.projectsNotRead.reset();
    loadMeasurements();
    fillValveList();
}

bool CArveloCalcDlg::retryUnreadValveList()
{
    if (!state_.projectsNotRead)
        return false;
    std::vector<ProjectRow> loaded;
    if (db_.loadProjects(loaded)) {
        state_.projects = std::move(loaded);
        state_.projectsNotRead.reset();
        loadMeasurements();
    } else {
        state_.projectsNotRead = db_.lastFailure();
    }
    valveListIndex = -1;
    fillValveList();
    return true;
}

bool CArveloCalcDlg::refuseUnreadValveList()
{
    if (!state_.projectsNotRead)
        return false;
    services_.messages.showMessage(databaseFailureText(state_.languageIndex, kListNotReadYet, *state_.projectsNotRead));
    return true;
}

void CArveloCalcDlg::onValveListClick(int row)
{
    valveListIndex = row < 0 ? -1 : row;
    if (row < 0) {
        services_.messages.showMessage(text(kTextSelectValve));
        return;
    }
    if (static_cast<std::size_t>(row) < state_.projects.size())
        pickCandidateOf(state_.projects[static_cast<std::size_t>(row)]);
}

void CArveloCalcDlg::keepDesignationFitting()
{
    ControlState& field = controls()[kDesignationField];
    const std::string typed = utf16ToUtf8(field.text);
    const std::string fitted = fittedDesignation(typed);
    if (fitted == typed)
        return;
    field.text = utf8ToUtf16(fitted);
    controls().focusRequest = kDesignationField;
}

void CArveloCalcDlg::addToValveList()
{
    if (controls()[kValvePicture].imageId == -1) {
        services_.messages.showMessage(text(kTextNoProjectData));
        return;
    }
    ProjectRow row = state_.pendingRow;
    row.riferimento = utf16ToUtf8(controls()[kDesignationField].text);
    const ValveListAddition addition = ::addToValveList(db_, row, state_.projects);
    switch (addition.outcome) {
    case ValveListAdd::Added: reloadValveList(); break;
    case ValveListAdd::NoDesignation: services_.messages.showMessage(text(kTextEnterDesignation)); break;
    case ValveListAdd::DesignationTaken: services_.messages.showMessage(text(kTextDesignationExists)); break;
    case ValveListAdd::Failed:
        services_.messages.showMessage(databaseFailureText(state_.languageIndex, kAddFailed, addition.failure));
        break;
    }
}

bool CArveloCalcDlg::refuseUnreadReadings()
{
    const auto failure = loadMeasurements();
    if (failure)
        services_.messages.showMessage(databaseFailureText(state_.languageIndex, kReadingsNotRead, *failure));
    return failure.has_value();
}

void CArveloCalcDlg::deleteTable()
{
    if (refuseUnreadValveList())
        return;
    if (state_.projects.empty()) {
        reloadValveList(); // nothing shown, nothing to delete
        return;
    }
    if (refuseUnreadReadings())
        return;
    const std::size_t readings = ValveReadings(measurements_).count(valveKeys(state_.projects));
    if (!services_.messages.askYesNo(
            formatText(text(kAskDeleteTable), {countText(state_.projects.size()), countText(readings)})))
        return;
    // Only the rows this window shows, each as it shows it.
    const ShownRowsDeletion outcome = db_.deleteShownProjects(state_.projects);
    if (outcome.failed) {
        tellDatabaseFailure(kChangeFailed);
        return;
    }
    if (outcome.kept > 0)
        services_.messages.showMessage(
            formatText(text(kValvesKept), {countText(outcome.deleted), countText(outcome.kept)}));
    reloadValveList();
    valveListIndex = -1;
}

void CArveloCalcDlg::deleteValve()
{
    if (refuseUnreadValveList())
        return;
    if (valveListIndex == -1) {
        services_.messages.showMessage(text(kTextSelectValve));
        return;
    }
    const auto clicked = static_cast<std::size_t>(valveListIndex);
    if (refuseUnreadReadings())
        return;
    if (clicked < state_.projects.size()) {
        const ProjectRow& valve = state_.projects[clicked];
        const std::size_t readings = ValveReadings(measurements_).count(valve.posizione, valve.riferimento);
        const std::u16string named = countText(valve.posizione) + u" " + utf8ToUtf16(valve.riferimento);
        if (readings > 0 &&
            !services_.messages.askYesNo(formatText(text(kAskDeleteMeasuredValve), {named, countText(readings)})))
            return;
    }
    // The valve the user saw in that row, every column of it: a table
    // another program changed since must not lose a different valve.
    const ShownRowDeletion outcome = clicked < state_.projects.size() ? db_.deleteShownProject(state_.projects[clicked])
                                                                      : ShownRowDeletion::ChangedSinceShown;
    if (outcome == ShownRowDeletion::Failed) {
        tellDatabaseFailure(kChangeFailed);
        return;
    }
    if (outcome == ShownRowDeletion::ChangedSinceShown)
        services_.messages.showMessage(text(kChangedSinceShown));
    reloadValveList();
    valveListIndex = -1;
}

void CArveloCalcDlg::exportValveList()
{
    const std::u16string& project = controls()[kProjectField].text;
    const std::u16string& customer = controls()[kCustomerField].text;
    if (project.empty() || customer.empty()) {
        services_.messages.showMessage(text(kTextEnterProjectAndCustomer));
        return;
    }
    if (refuseUnreadValveList())
        return;
    const std::vector<SaveFileType> types{
        {u"Export Files (*.csv)", u"csv"},
        {text(kTextCommissioningProtocol) + u" (*.pdf)", u"pdf"},
    };
    const auto file = services_.files.chooseSaveFile(text(kTextSelectFileName), services_.exportFolder, types);
    if (!file)
        return;
    const bool asProtocol = isProtocolFile(*file);
    if (asProtocol && !askSignOff())
        return;
    // The file holds the list as the table holds it now (another program
    // may have changed it since the list was shown), or is not written.
    std::vector<ProjectRow> stored;
    if (!db_.loadProjects(stored)) {
        tellDatabaseFailure(kExportNotRead);
        return;
    }
    const MeasurementStore::Loaded measured = MeasurementStore(db_.handle()).load();
    if (measured.error) {
        services_.messages.showMessage(databaseFailureText(state_.languageIndex, kExportNotRead, *measured.error));
        return;
    }
    std::optional<std::string> bytes;
    if (asProtocol) {
        CommissioningProtocol protocol = commissioningProtocol(project, customer, state_.languageIndex, stored,
                                                               measured.rows, todayIsoDate(), signOff_,
                                                               catalogueFacts(db_, stored));
        protocol.charts = branchChartsOfValveList(state_, db_);
        bytes = services_.protocols.protocolPdf(protocol);
    } else {
        bytes = valveListExport(project, customer, state_.languageIndex, stored, measured.rows);
    }
    if (!bytes)
        return; // a protocol the user cancelled leaves no file
    if (const auto failure = writeFileAtomically(*file, *bytes)) {
        services_.messages.showMessage(exportFailureText(state_.languageIndex, *file, *failure));
        return;
    }
    if (sameFolder(file->parent_path(), services_.exportFolder))
        services_.messages.showMessage(text(kTextFileSaved));
    else
        services_.messages.showMessage(formatText(text(kFileSavedIn), {utf8ToUtf16(file->parent_path().string())}));
}
