#include "resources/layouts/control_entries.h"
#include "resources/layouts/dialog_templates.h"

namespace {

constexpr std::uint32_t kInput = kBorder | kTabStop | kHorizontalScroll;
constexpr std::uint32_t kRightColumn = kTabStop | kFollowRight;

// The branch window: the circuits and the branch settings above, the
// results, the chart and the saved branches below; the tables and the chart
// take what a larger window gives.
DialogTemplate makeBranchWindow()
{
    DialogTemplate dialog;
    dialog.id = 107;
    dialog.width = 620;
    dialog.height = 408;
    dialog.resizable = true;
    dialog.controls = {
        label(1201, {8, 8, 68, 10}, kNoStyle, ControlFont::Regular),
        field(1202, {78, 6, 104, 14}, kInput),
        label(1203, {190, 8, 130, 10}, kNoStyle, ControlFont::Regular),
        field(1204, {322, 6, 40, 14}, kInput),
        label(1205, {372, 8, 90, 10}, kNoStyle, ControlFont::Regular),
        field(1206, {464, 6, 40, 14}, kInput),
        pushButton(1248, {510, 6, 102, 14}, kRightColumn, ControlFont::Regular), // the system window
        label(1240, {8, 26, 130, 10}, kNoStyle, ControlFont::Regular), // for the pipe sections
        field(1241, {142, 24, 40, 14}, kInput),
        label(1242, {190, 26, 130, 10}, kNoStyle, ControlFont::Regular),
        field(1243, {322, 24, 40, 14}, kInput),
        label(1244, {372, 26, 90, 10}, kNoStyle, ControlFont::Regular),
        field(1245, {464, 24, 40, 14}, kInput),
        editableTable(1207, {8, 44, 480, 128}, kGrowWidth),
        pushButton(1208, {494, 44, 118, 14}, kRightColumn, ControlFont::Regular),
        pushButton(1209, {494, 62, 118, 14}, kRightColumn, ControlFont::Regular),
        pushButton(1210, {494, 80, 118, 14}, kRightColumn, ControlFont::Regular),
        pushButton(1222, {494, 98, 118, 14}, kRightColumn, ControlFont::Regular), // flow from a heat load
        pushButton(1246, {494, 116, 118, 14}, kRightColumn, ControlFont::Regular), // the circuits file
        pushButton(1247, {494, 134, 118, 14}, kRightColumn, ControlFont::Regular),
        pushButton(1211, {494, 154, 118, 18}, kRightColumn | kDefaultButton, ControlFont::Bold),
        controlEntry(1212, ControlClass::ListView, {8, 178, 604, 78}, kBorder | kGrowWidth),
        // The pump's duty point (or why there is none) and the index circuit.
        label(1213, {8, 261, 480, 10}, kGrowWidth, ControlFont::Bold),
        label(1214, {8, 273, 480, 10}, kGrowWidth, ControlFont::Bold),
        pushButton(1223, {494, 260, 118, 14}, kRightColumn, ControlFont::Regular), // the chart as SVG
        chart(1215, {8, 288, 480, 114}, kGrowWidth | kGrowHeight),
        pushButton(1216, {494, 288, 118, 18}, kRightColumn, ControlFont::Regular),
        label(1217, {494, 312, 118, 10}, kFollowRight, ControlFont::Regular),
        controlEntry(1218, ControlClass::ComboBox, {494, 324, 118, 80}, kRightColumn),
        pushButton(1219, {494, 342, 118, 14}, kRightColumn, ControlFont::Regular),
        pushButton(1220, {494, 360, 118, 14}, kRightColumn, ControlFont::Regular),
        pushButton(1221, {494, 378, 118, 14}, kRightColumn, ControlFont::Regular),
    };
    dialog.tabOrder = {1202, 1204, 1206, 1248, 1241, 1243, 1245, 1207, 1208, 1209, 1210, 1222,
                       1246, 1247, 1211, 1223, 1216, 1218, 1219, 1220, 1221};
    return dialog;
}

} // namespace

const DialogTemplate& branchWindowTemplate()
{
    static const DialogTemplate dialog = makeBranchWindow();
    return dialog;
}
