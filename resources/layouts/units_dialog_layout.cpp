#include "resources/layouts/control_entries.h"
#include "resources/layouts/dialog_templates.h"

namespace {

DialogTemplate makeUnitsDialog()
{
    DialogTemplate dialog;
    dialog.id = 104;
    dialog.width = 341;
    dialog.height = 270;
    dialog.controls = {
        label(1058, {14, 14, 89, 8}, kNoStyle, ControlFont::Bold), // flow caption
        comboBox(1059, {11, 27, 119, 101}),
        label(1060, {203, 14, 88, 8}, kNoStyle, ControlFont::Bold), // pressure caption
        comboBox(1061, {201, 27, 119, 113}),
        label(1064, {14, 161, 88, 8}, kNoStyle, ControlFont::Bold), // power caption
        comboBox(1065, {11, 172, 119, 80}),
        label(1066, {203, 160, 88, 8}, kNoStyle, ControlFont::Bold), // temperature caption
        comboBox(1067, {201, 173, 119, 37}),
        pushButton(1062, {227, 249, 50, 14}, kTabStop, ControlFont::Regular), // Save
        pushButton(1063, {288, 249, 50, 14}, kTabStop, ControlFont::Regular), // Cancel
    };
    dialog.tabOrder = {1059, 1061, 1065, 1067, 1062, 1063};
    return dialog;
}

} // namespace

const DialogTemplate& unitsDialogTemplate()
{
    static const DialogTemplate dialog = makeUnitsDialog();
    return dialog;
}
