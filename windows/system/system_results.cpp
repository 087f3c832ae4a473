// The system window's results: the calculation, a row per branch, the
// pump's duty point, the index branch and the chart.
#include "windows/system/system_window.h"

#include "app/user_messages.h"
#include "data/text_format.h"
#include "db/usable_pipe.h"
#include "system/system_chart_svg.h"
#include "system/system_result_texts.h"
#include "windows/common/balance_results.h"
#include "windows/common/keyed_columns.h"
#include "windows/system/system_window_ids.h"
#include "windows/system/system_window_text_ids.h"

#include <map>

using namespace SystemWindowId;

namespace {

// The results' columns by key; a column not named here takes the default.
constexpr int kResultColumnWidth = 110;
const std::map<std::string, int> kResultColumnWidths{
    {"number", 44},           {"branch", 120},      {"flow", 130},        {"main_loss_to_take_off", 280},
    {"available", 260},       {"requirement", 220}, {"foot_device", 150}, {"nominal_size", 70},
    {"material_number", 110}, {"setpoint", 130},    {"foot_dp", 200},     {"warnings", 420},
};

} // namespace

bool SystemWindow::refusedPipe()
{
    for (std::size_t j = 0; j < system_.branches.size(); ++j) {
        const SavedSystemBranch& branch = system_.branches[j];
        if (branch.main.pipe && !usablePipe(*branch.main.pipe)) {
            const std::u16string name = utf8ToUtf16(std::to_string(j + 1) + " " + branch.branchName);
            services_.messages.showMessage(formatText(text(system_window_text::kMainPipeIncomplete), {name}));
            return true;
        }
    }
    return false;
}

void SystemWindow::calculate()
{
    if (system_.branches.empty() || refusedPipe())
        return;
    balanced_ = withSavedBranches(system_, branches_);
    if (balanced_.branches.empty())
        return;
    result_ = balanceSystem(state_, db_, balanced_);
    showResults();
}

void SystemWindow::showResults()
{
    ControlModel& c = controls();
    const SystemResultTexts texts = systemResultTexts(state_, balanced_, result_.value_or(SystemResult{}));
    c[kResultList].columns = keyedColumns(texts.keys, texts.headers, kResultColumnWidths, kResultColumnWidth);
    std::optional<ShownBalance> shown;
    if (result_)
        shown.emplace(ShownBalance{texts, result_->complete,
                             texts.pumpHeadCaption + u": " + texts.pumpHeadValue + u"    " + texts.totalFlowCaption +
                                 u": " + texts.totalFlowValue + u"    " + texts.plantLossCaption + u": " +
                                 texts.plantLossValue,
                             [this] { return systemChartSvg(state_, balanced_, *result_); }});
    showBalanceResults(c, {kResultList, kPumpHeadLabel, kIndexLabel, kChart}, shown);
}
