#include "resources/layouts/control_entries.h"
#include "resources/layouts/dialog_templates.h"

namespace {

constexpr std::uint32_t kInput = kBorder | kTabStop | kHorizontalScroll;

DialogTemplate makeFlowDialog()
{
    DialogTemplate dialog;
    dialog.id = 106;
    dialog.width = 213;
    dialog.height = 186;
    dialog.controls = {
        label(1082, {26, 22, 106, 15}, kNoStyle, ControlFont::Regular), // power caption
        field(1086, {137, 20, 40, 14}, kInput),
        label(1083, {26, 52, 108, 15}, kNoStyle, ControlFont::Regular), // supply temperature caption
        field(1087, {137, 49, 40, 14}, kInput),
        label(1084, {26, 86, 105, 18}, kNoStyle, ControlFont::Regular), // return temperature caption
        field(1089, {137, 84, 40, 14}, kInput),
        label(1085, {26, 120, 109, 15}, kNoStyle, ControlFont::Bold), // flow caption
        field(1090, {137, 118, 40, 14}, kInput | kReadOnly),
        pushButton(1088, {95, 167, 50, 14}, kTabStop, ControlFont::Regular), // Save
        pushButton(1091, {157, 167, 50, 14}, kTabStop, ControlFont::Regular), // Cancel
    };
    dialog.tabOrder = {1086, 1087, 1089, 1090, 1088, 1091};
    return dialog;
}

} // namespace

const DialogTemplate& flowDialogTemplate()
{
    static const DialogTemplate dialog = makeFlowDialog();
    return dialog;
}
