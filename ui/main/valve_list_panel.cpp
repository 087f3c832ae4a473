#include "ui/main/arvelo_calc_dlg.h"

#include "app/user_messages.h"
#include "data/text_format.h"
#include "db/product_db.h"
#include "db/valve_list_store.h"
#include "ui/branch/branch_protocol_charts.h"
#include "ui/main/commissioning_protocol.h"
#include "ui/main/designation_field.h"
#include "ui/main/main_window_ids.h"
#include "ui/main/protocol_printer.h"
#include "ui/main/save_file_chooser.h"
#include "ui/main/valve_list_columns.h"
#include "ui/main/valve_list_export.h"
#include "ui/main/write_file_atomically.h"

#include <algorithm>
#include <cctype>
#include <vector>

using namespace MainWindowId;

namespace {

constexpr int kTextSelectFileName = 46;
constexpr int kTextFileSaved = 47;
constexpr int kTextNoProjectData = 103;
constexpr int kTextEnterDesignation = 104;
constexpr int kTextDesignationExists = 105;
constexpr int kTextSelectValve = 106;
constexpr int kTextEnterProjectAndCustomer = 107;
constexpr int kTextCommissioningProtocol = 109;

// A name ending in ".pdf" (any case) asks for the protocol, whatever filter
// the dialog showed.
bool isProtocolFile(const std::filesystem::path& file)
{
    std::string extension = file.extension().string();
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return extension == ".pdf";
}

} // namespace

void CArveloCalcDlg::setupValveListColumns()
{
    ControlState& list = controls()[kValveList];
    list.columns.clear();
    for (const ValveListColumn& column : kValveListColumns)
        list.columns.push_back({text(column.headerTextId), column.width, false});
    valveListIndex = -1;
}

void CArveloCalcDlg::fillValveList()
{
    ControlState& list = controls()[kValveList];
    list.rows.clear();
    for (const ProjectRow& row : state_.projects)
        list.rows.push_back({-1, valveListCells(row, state_.languageIndex)});
    const bool exists = valveListIndex >= 0 && static_cast<std::size_t>(valveListIndex) < list.rows.size();
    list.selectedRow = exists ? valveListIndex : -1;
}

void CArveloCalcDlg::reloadValveList()
{
    state_.projects.clear();
    db_.loadProjects(state_.projects);
    fillValveList();
}

void CArveloCalcDlg::onValveListClick(int row)
{
    valveListIndex = row < 0 ? -1 : row;
    if (row < 0)
        services_.messages.showMessage(text(kTextSelectValve));
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
    const std::string designation = utf16ToUtf8(controls()[kDesignationField].text);
    if (designation.empty()) {
        services_.messages.showMessage(text(kTextEnterDesignation));
        return;
    }
    std::vector<ProjectRow> sameDesignation;
    db_.findProjectsByDesignation(designation, sameDesignation);
    if (!sameDesignation.empty()) {
        services_.messages.showMessage(text(kTextDesignationExists));
        return;
    }
    std::vector<ProjectRow> fresh;
    db_.loadProjects(fresh);
    state_.pendingRow.posizione = nextPosition(fresh);
    state_.pendingRow.riferimento = designation;
    db_.insertProject(state_.pendingRow);
    reloadValveList();
}

void CArveloCalcDlg::deleteTable()
{
    db_.deleteProject(std::nullopt);
    reloadValveList();
}

void CArveloCalcDlg::deleteValve()
{
    if (valveListIndex == -1) {
        services_.messages.showMessage(text(kTextSelectValve));
        return;
    }
    std::vector<ProjectRow> fresh;
    db_.loadProjects(fresh);
    if (static_cast<std::size_t>(valveListIndex) < fresh.size())
        db_.deleteProject(fresh[static_cast<std::size_t>(valveListIndex)].posizione);
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
    const std::vector<SaveFileType> types{
        {u"Export Files (*.csv)", u"csv"},
        {text(kTextCommissioningProtocol) + u" (*.pdf)", u"pdf"},
    };
    const auto file = services_.files.chooseSaveFile(text(kTextSelectFileName), services_.exportFolder, types);
    if (!file)
        return;
    std::string bytes;
    if (isProtocolFile(*file)) {
        CommissioningProtocol protocol =
            commissioningProtocol(project, customer, state_.languageIndex, state_.projects, todayIsoDate());
        protocol.charts = branchChartsOfValveList(state_, db_);
        bytes = services_.protocols.protocolPdf(protocol);
    } else {
        bytes = valveListExport(project, customer, state_.languageIndex, state_.projects);
    }
    if (const auto failure = writeFileAtomically(*file, bytes)) {
        services_.messages.showMessage(exportFailureText(state_.languageIndex, *file, *failure));
        return;
    }
    services_.messages.showMessage(text(kTextFileSaved));
}
