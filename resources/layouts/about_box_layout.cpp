#include "resources/layouts/control_entries.h"
#include "resources/layouts/dialog_templates.h"

namespace {

constexpr int kOkButtonId = 1;
constexpr int kProgramIconId = 144;

DialogTemplate makeAboutBox()
{
    DialogTemplate dialog;
    dialog.id = 100;
    dialog.width = 170;
    dialog.height = 62;
    dialog.caption = u"About Arvelo Rezu";
    dialog.controls = {
        icon(kNoControlId, {14, 14, 20, 20}, kProgramIconId),
        label(kNoControlId, {42, 14, 114, 8}, kNoStyle, ControlFont::Template, u"Arvelo Rezu 2.02.15"),
        label(kNoControlId, {42, 26, 114, 8}, kNoStyle, ControlFont::Template, u"Arvelo Hydronics"),
        pushButton(kOkButtonId, {113, 41, 50, 14}, kDefaultButton | kTabStop, ControlFont::Template, u"OK"),
    };
    dialog.tabOrder = {kOkButtonId};
    return dialog;
}

} // namespace

const DialogTemplate& aboutBoxTemplate()
{
    static const DialogTemplate dialog = makeAboutBox();
    return dialog;
}
