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
    dialog.height = 360;
    dialog.resizable = true;
    dialog.controls = {
        label(1201, {8, 8, 68, 10}, kNoStyle, ControlFont::Regular),
        field(1202, {78, 6, 104, 14}, kInput),
        label(1203, {190, 8, 130, 10}, kNoStyle, ControlFont::Regular),
        field(1204, {322, 6, 40, 14}, kInput),
        label(1205, {372, 8, 90, 10}, kNoStyle, ControlFont::Regular),
        field(1206, {464, 6, 40, 14}, kInput),
        editableTable(1207, {8, 26, 480, 110}, kGrowWidth),
        pushButton(1208, {494, 26, 118, 14}, kRightColumn, ControlFont::Regular),
        pushButton(1209, {494, 44, 118, 14}, kRightColumn, ControlFont::Regular),
        pushButton(1210, {494, 62, 118, 14}, kRightColumn, ControlFont::Regular),
        pushButton(1222, {494, 80, 118, 14}, kRightColumn, ControlFont::Regular), // flow from a heat load
        pushButton(1211, {494, 118, 118, 18}, kRightColumn | kDefaultButton, ControlFont::Bold),
        controlEntry(1212, ControlClass::ListView, {8, 142, 604, 78}, kBorder | kGrowWidth),
        label(1213, {8, 225, 240, 10}, kNoStyle, ControlFont::Bold),
        label(1214, {250, 225, 240, 10}, kNoStyle, ControlFont::Bold),
        pushButton(1223, {494, 224, 118, 14}, kRightColumn, ControlFont::Regular), // the chart as SVG
        chart(1215, {8, 240, 480, 114}, kGrowWidth | kGrowHeight),
        pushButton(1216, {494, 240, 118, 18}, kRightColumn, ControlFont::Regular),
        label(1217, {494, 264, 118, 10}, kFollowRight, ControlFont::Regular),
        controlEntry(1218, ControlClass::ComboBox, {494, 276, 118, 80}, kRightColumn),
        pushButton(1219, {494, 294, 118, 14}, kRightColumn, ControlFont::Regular),
        pushButton(1220, {494, 312, 118, 14}, kRightColumn, ControlFont::Regular),
        pushButton(1221, {494, 330, 118, 14}, kRightColumn, ControlFont::Regular),
    };
    dialog.tabOrder = {1202, 1204, 1206, 1207, 1208, 1209, 1210, 1222, 1211, 1223, 1216, 1218, 1219, 1220, 1221};
    return dialog;
}

} // namespace

const DialogTemplate& branchWindowTemplate()
{
    static const DialogTemplate dialog = makeBranchWindow();
    return dialog;
}
