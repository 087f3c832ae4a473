#include "resources/layouts/control_entries.h"
#include "resources/layouts/dialog_templates.h"

#include "app/program_version.h"

#include <string>

namespace {

constexpr int kOkButtonId = 1;
constexpr int kProgramIconId = 144;

// "Arvelo Rezu" and the program's version, which the build sets in one place.
const std::u16string& versionLine()
{
    static const std::u16string line = [] {
        std::u16string text = u"Arvelo Rezu ";
        for (const char* c = kProgramVersion; *c; ++c)
            text += static_cast<char16_t>(*c);
        return text;
    }();
    return line;
}

DialogTemplate makeAboutBox()
{
    DialogTemplate dialog;
    dialog.id = 100;
    dialog.width = 170;
    dialog.height = 62;
    dialog.caption = u"About Arvelo Rezu";
    dialog.controls = {
        icon(kNoControlId, {14, 14, 20, 20}, kProgramIconId),
        label(kNoControlId, {42, 14, 114, 8}, kNoStyle, ControlFont::Template, versionLine()),
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
