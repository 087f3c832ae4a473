#include "resources/layouts/control_entries.h"
#include "resources/layouts/dialog_templates.h"

namespace {

DialogTemplate makeLanguageDialog()
{
    DialogTemplate dialog;
    dialog.id = 103;
    dialog.width = 343;
    dialog.height = 245;
    dialog.controls = {
        label(1052, {141, 21, 59, 8}, kCentred, ControlFont::Bold), // language in force
        comboBox(1055, {112, 37, 117, 141}),                          // the seven languages
        pushButton(1056, {227, 224, 50, 14}, kTabStop, ControlFont::Regular), // Save
        pushButton(1057, {290, 224, 50, 14}, kTabStop, ControlFont::Regular), // Cancel
    };
    dialog.tabOrder = {1055, 1056, 1057};
    return dialog;
}

} // namespace

const DialogTemplate& languageDialogTemplate()
{
    static const DialogTemplate dialog = makeLanguageDialog();
    return dialog;
}
