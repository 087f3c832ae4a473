#include "resources/layouts/control_entries.h"
#include "resources/layouts/dialog_templates.h"

namespace {

constexpr std::uint32_t kInput = kBorder | kTabStop | kHorizontalScroll;

DialogTemplate makeSignOffDialog()
{
    DialogTemplate dialog;
    dialog.id = 108;
    dialog.width = 290;
    dialog.height = 214;
    dialog.controls = {
        label(1201, {10, 14, 136, 8}, kNoStyle, ControlFont::Regular), // commissioning date
        field(1202, {150, 12, 130, 14}, kInput),
        label(1203, {10, 34, 136, 8}, kNoStyle, ControlFont::Regular), // engineer
        field(1204, {150, 32, 130, 14}, kInput),
        label(1205, {10, 54, 136, 8}, kNoStyle, ControlFont::Regular), // company
        field(1206, {150, 52, 130, 14}, kInput),
        label(1207, {10, 74, 136, 8}, kNoStyle, ControlFont::Regular), // measuring instrument
        field(1208, {150, 72, 130, 14}, kInput),
        label(1209, {10, 94, 136, 8}, kNoStyle, ControlFont::Regular), // calibrated on
        field(1210, {150, 92, 130, 14}, kInput),
        label(1211, {10, 114, 136, 8}, kNoStyle, ControlFont::Regular), // remarks
        field(1212, {150, 112, 130, 30}, kBorder | kTabStop | kMultiLine),
        label(1213, {10, 152, 136, 8}, kNoStyle, ControlFont::Regular), // contractor
        field(1214, {150, 150, 130, 14}, kInput),
        label(1215, {10, 172, 136, 8}, kNoStyle, ControlFont::Regular), // client
        field(1216, {150, 170, 130, 14}, kInput),
        pushButton(1217, {170, 194, 50, 14}, kTabStop, ControlFont::Regular), // Save
        pushButton(1218, {230, 194, 50, 14}, kTabStop, ControlFont::Regular), // Cancel
    };
    dialog.tabOrder = {1202, 1204, 1206, 1208, 1210, 1212, 1214, 1216, 1217, 1218};
    return dialog;
}

} // namespace

const DialogTemplate& signOffDialogTemplate()
{
    static const DialogTemplate dialog = makeSignOffDialog();
    return dialog;
}
