#include "resources/layouts/control_entries.h"
#include "resources/layouts/dialog_templates.h"

namespace {

DialogTemplate makeRecordDialog()
{
    DialogTemplate dialog;
    dialog.id = 109;
    dialog.width = 290;
    dialog.height = 110;
    dialog.controls = {
        label(1301, {10, 14, 136, 8}, kNoStyle, ControlFont::Regular), // presetting found
        field(1302, {150, 12, 60, 14}, kBorder | kTabStop | kHorizontalScroll),
        label(1303, {10, 36, 270, 48}, kNoStyle, ControlFont::Bold), // why the reading is implausible
        pushButton(1304, {170, 90, 50, 14}, kTabStop, ControlFont::Regular), // Save
        pushButton(1305, {230, 90, 50, 14}, kTabStop, ControlFont::Regular), // Cancel
    };
    dialog.tabOrder = {1302, 1304, 1305};
    return dialog;
}

} // namespace

const DialogTemplate& recordDialogTemplate()
{
    static const DialogTemplate dialog = makeRecordDialog();
    return dialog;
}
