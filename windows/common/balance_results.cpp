#include "windows/common/balance_results.h"

bool showBalanceResults(ControlModel& c, const BalanceResultControls& ids, const std::optional<ShownBalance>& shown)
{
    ControlState& list = c[ids.list];
    list.rows.clear();
    list.selectedRow = -1;
    c[ids.dutyLine].text.clear();
    c[ids.index].text.clear();
    c[ids.chart].svg.clear();
    if (!shown)
        return false;
    const BalanceTexts& texts = shown->texts;
    for (std::size_t i = 0; i < texts.rows.size(); ++i) {
        ListRow row{-1, texts.rows[i]};
        if (shown->complete && i == texts.indexRow)
            row.cells.front() = u"\u25B6 " + row.cells.front();
        list.rows.push_back(std::move(row));
    }
    if (!shown->complete) {
        c[ids.dutyLine].text = texts.incomplete;
        return false;
    }
    list.selectedRow = static_cast<int>(texts.indexRow);
    c[ids.dutyLine].text = shown->dutyLine;
    c[ids.index].text = texts.indexCaption + u": " + texts.indexValue;
    c[ids.chart].svg = shown->chart();
    return true;
}
