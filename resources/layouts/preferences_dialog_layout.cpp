#include "resources/layouts/control_entries.h"
#include "resources/layouts/dialog_templates.h"

namespace {

constexpr std::uint32_t kInput = kBorder | kTabStop | kHorizontalScroll;

DialogTemplate makePreferencesDialog()
{
    DialogTemplate dialog;
    dialog.id = 105;
    dialog.width = 341;
    dialog.height = 270;
    dialog.controls = {
        label(1068, {126, 11, 89, 8}, kNoStyle, ControlFont::Bold), // "Valve type"
        comboBox(1069, {80, 23, 181, 62}),
        label(1070, {40, 86, 88, 8}, kNoStyle, ControlFont::Bold), // "Preferred:"
        comboBox(1071, {17, 98, 130, 70}),
        label(1072, {211, 86, 88, 8}, kNoStyle, ControlFont::Bold), // "Alternative:"
        comboBox(1073, {188, 98, 130, 70}),
        label(1079, {19, 131, 62, 13}), // dPmin caption
        field(1078, {84, 128, 40, 14}, kInput),
        label(1081, {19, 150, 61, 14}), // dPmax caption
        field(1080, {84, 147, 40, 14}, kInput),
        label(1074, {53, 177, 55, 8}, kNoStyle, ControlFont::Bold), // "Fluid handled"
        comboBox(1075, {19, 189, 119, 65}),
        pushButton(1076, {227, 249, 50, 14}, kTabStop, ControlFont::Regular), // Save
        pushButton(1077, {288, 249, 50, 14}, kTabStop, ControlFont::Regular), // Cancel
    };
    dialog.tabOrder = {1069, 1071, 1073, 1078, 1080, 1075, 1076, 1077};
    return dialog;
}

} // namespace

const DialogTemplate& preferencesDialogTemplate()
{
    static const DialogTemplate dialog = makePreferencesDialog();
    return dialog;
}
