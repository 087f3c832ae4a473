// The branch window's results: the calculation, the results table with the
// pump duty point and the index circuit, the chart and its export.
#include "windows/branch/branch_window.h"

#include "app/user_messages.h"
#include "branch/branch_chart_svg.h"
#include "branch/branch_design_text_ids.h"
#include "branch/branch_result_texts.h"
#include "branch/branch_text_ids.h"
#include "data/text_format.h"
#include "files/export_failure_text.h"
#include "files/write_file_atomically.h"
#include "windows/branch/branch_window_ids.h"
#include "windows/branch/circuit_cells.h"
#include "windows/common/balance_results.h"
#include "windows/common/keyed_columns.h"
#include "windows/common/save_file_chooser.h"

#include <map>

using namespace BranchWindowId;
using namespace branch_text;

namespace {

// The results' columns by key; a column not named here takes the default.
constexpr int kResultColumnWidth = 100;
const std::map<std::string, int> kResultColumnWidths{
    {"number", 44},         {"designation", 100},         {"kind", 120},          {"flow", 130},
    {"riser_loss_to_take_off", 200}, {"section_flow", 190}, {"velocity", 150},     {"section_loss", 200},
    {"circuit_loss", 130},  {"control_valve_dp", 200},    {"authority", 90},      {"valve_dp", 110},
    {"nominal_size", 70},   {"material_number", 110},     {"presetting", 100},    {"kv", 100},
    {"warnings", 420},
};

} // namespace

bool BranchWindow::refusedPipe()
{
    for (std::size_t i = 0; i < branch_.circuits.size(); ++i) {
        const BranchCircuit& circuit = branch_.circuits[i];
        if (circuit.pipe && !usablePipe(*circuit.pipe)) {
            const std::u16string name = utf8ToUtf16(std::to_string(i + 1) + " " + circuit.designation);
            services_.messages.showMessage(formatText(text(branch_design_text::kPipeIncomplete), {name}));
            return true;
        }
    }
    return false;
}

void BranchWindow::calculate()
{
    if (branch_.circuits.empty() || refusedPipe())
        return;
    result_ = balanceBranch(state_, db_, branch_);
    showResults();
}

void BranchWindow::showResults()
{
    ControlModel& c = controls();
    const BranchResultTexts texts = branchDesignTexts(state_, branch_, result_.value_or(BranchResult{}));
    c[kResultList].columns = keyedColumns(texts.keys, texts.headers, kResultColumnWidths, kResultColumnWidth);
    std::optional<ShownBalance> shown;
    if (result_)
        shown.emplace(ShownBalance{texts, result_->complete,
                             texts.pumpHeadCaption + u": " + texts.pumpHeadValue + u"    " + texts.totalFlowCaption +
                                 u": " + texts.totalFlowValue,
                             [this] { return branchChartSvg(state_, branch_, *result_); }});
    c[kAddButton].enabled = c[kExportChartButton].enabled =
        showBalanceResults(c, {kResultList, kPumpHeadLabel, kIndexLabel, kChart}, shown);
}

void BranchWindow::exportChart()
{
    if (!result_ || !result_->complete) {
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
