// The branch window's results: the calculation, the results table with the
// pump head and the index circuit, the chart and its export.
#include "windows/branch/branch_window.h"

#include "app/user_messages.h"
#include "branch/branch_chart_svg.h"
#include "branch/branch_result_texts.h"
#include "branch/branch_text_ids.h"
#include "files/export_failure_text.h"
#include "files/write_file_atomically.h"
#include "windows/branch/branch_window_ids.h"
#include "windows/common/save_file_chooser.h"

using namespace BranchWindowId;
using namespace branch_text;

void BranchWindow::calculate()
{
    if (branch_.circuits.empty())
        return;
    result_ = balanceBranch(state_, db_, branch_);
    showResults();
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
