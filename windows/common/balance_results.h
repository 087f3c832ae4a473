#pragma once

#include "branch/balance_texts.h"
#include "windows/common/control_model.h"

#include <functional>
#include <string>

// Where a balance window (a branch's, a system's) shows its results.
struct BalanceResultControls {
    int list;     // a row per circuit or branch
    int dutyLine; // the pump's duty point
    int index;    // the index circuit or branch
    int chart;
};

// What a calculated balance shows.
struct ShownBalance {
    const BalanceTexts& texts;
    bool complete;
    // The duty point's line, and the chart: only for a complete result.
    std::u16string dutyLine;
    std::function<std::string()> chart;
};

// Shows the results, or none (nothing calculated): without every valve or
// foot device in it the head is no pump's duty, so an incomplete result
// shows its rows and the line saying why, but no duty point, no index and
// no chart. The index row stands out and is selected. The columns are
// shown by the window before. True when a complete result is shown.
bool showBalanceResults(ControlModel& c, const BalanceResultControls& ids, const std::optional<ShownBalance>& shown);
