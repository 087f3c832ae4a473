#include "windows/dialogs/settings_dialog.h"

#include "data/text_table.h"

#include <algorithm>
#include <utility>

namespace {

constexpr int kSaveText = 7;
constexpr int kCancelText = 8;

} // namespace

SettingsDialog::SettingsDialog(const DialogTemplate& dialog, std::u16string title, const AppState& state,
                               int saveId, int cancelId)
    : WindowLogic(dialog, std::move(title)), readState_(state), saveId_(saveId), cancelId_(cancelId)
{
}

void SettingsDialog::onClick(int controlId)
{
    if (controlId == saveId_)
        save();
    else if (controlId == cancelId_)
        cancel();
}

bool SettingsDialog::returnSaves(Key key, int focusedControlId)
{
    if (key == Key::Escape || focusedControlId == cancelId_) {
        cancel();
        return true;
    }
    const auto& all = dialogTemplate().controls;
    const auto focused =
        std::find_if(all.begin(), all.end(), [focusedControlId](const Control& c) { return c.id == focusedControlId; });
    if (focused != all.end() && focused->has(kMultiLine))
        return false;
    save();
    return true;
}

std::u16string SettingsDialog::text(int id) const
{
    return std::u16string(TextTable::text(readState_.languageIndex, id));
}

std::vector<std::u16string> SettingsDialog::texts(int firstId, int count) const
{
    std::vector<std::u16string> result;
    for (int id = firstId; id < firstId + count; ++id)
        result.push_back(text(id));
    return result;
}

void SettingsDialog::setLabel(int controlId, int textId, ControlFont font)
{
    setLabel(controlId, text(textId), font);
}

void SettingsDialog::setLabel(int controlId, std::u16string text, ControlFont font)
{
    ControlState& label = controls()[controlId];
    label.text = std::move(text);
    label.font = font;
}

void SettingsDialog::showSaveAndCancel()
{
    setLabel(saveId_, kSaveText, ControlFont::Regular);
    setLabel(cancelId_, kCancelText, ControlFont::Regular);
}
