#include "resources/layouts/control_entries.h"
#include "resources/layouts/dialog_templates.h"

namespace {

constexpr std::uint32_t kInput = kBorder | kTabStop | kHorizontalScroll;
constexpr std::uint32_t kRightColumn = kTabStop | kFollowRight;

// The system window: the settings and the branches on the main above, the
// results, the chart and the saved systems below; the tables and the chart
// take what a larger window gives.
DialogTemplate makeSystemWindow()
{
    DialogTemplate dialog;
    dialog.id = 110;
    dialog.width = 620;
    dialog.height = 408;
    dialog.resizable = true;
    dialog.controls = {
        label(1401, {8, 8, 68, 10}, kNoStyle, ControlFont::Regular),
        field(1402, {78, 6, 104, 14}, kInput),
        label(1403, {190, 8, 130, 10}, kNoStyle, ControlFont::Regular),
        field(1404, {322, 6, 40, 14}, kInput),
        label(1405, {372, 8, 130, 10}, kNoStyle, ControlFont::Regular),
        field(1406, {506, 6, 40, 14}, kInput),
        label(1407, {8, 26, 130, 10}, kNoStyle, ControlFont::Regular),
        field(1408, {142, 24, 40, 14}, kInput),
        // For the main's pipes; the settings' rows reach over the buttons' column.
        label(1409, {190, 26, 130, 10}, kNoStyle, ControlFont::Regular),
        field(1410, {322, 24, 40, 14}, kInput),
        label(1411, {372, 26, 130, 10}, kNoStyle, ControlFont::Regular),
        field(1412, {506, 24, 40, 14}, kInput),
        editableTable(1413, {8, 44, 480, 128}, kGrowWidth),
        pushButton(1414, {494, 44, 118, 14}, kRightColumn, ControlFont::Regular),
        pushButton(1415, {494, 62, 118, 14}, kRightColumn, ControlFont::Regular),
        pushButton(1416, {494, 80, 118, 14}, kRightColumn, ControlFont::Regular),
        pushButton(1417, {494, 98, 118, 14}, kRightColumn, ControlFont::Regular), // in the branch window
        pushButton(1418, {494, 154, 118, 18}, kRightColumn | kDefaultButton, ControlFont::Bold),
        controlEntry(1419, ControlClass::ListView, {8, 178, 604, 78}, kBorder | kGrowWidth),
        // The pump's duty point (or why there is none) and the index branch.
        label(1420, {8, 261, 604, 10}, kGrowWidth, ControlFont::Bold),
        label(1421, {8, 273, 604, 10}, kGrowWidth, ControlFont::Bold),
        chart(1422, {8, 288, 480, 114}, kGrowWidth | kGrowHeight),
        label(1423, {494, 312, 118, 10}, kFollowRight, ControlFont::Regular),
        controlEntry(1424, ControlClass::ComboBox, {494, 324, 118, 80}, kRightColumn),
        pushButton(1425, {494, 342, 118, 14}, kRightColumn, ControlFont::Regular),
        pushButton(1426, {494, 360, 118, 14}, kRightColumn, ControlFont::Regular),
        pushButton(1427, {494, 378, 118, 14}, kRightColumn, ControlFont::Regular),
    };
    dialog.tabOrder = {1402, 1404, 1406, 1408, 1410, 1412, 1413, 1414, 1415,
                       1416, 1417, 1418, 1424, 1425, 1426, 1427};
    return dialog;
}

} // namespace

const DialogTemplate& systemWindowTemplate()
{
    static const DialogTemplate dialog = makeSystemWindow();
    return dialog;
}
