#include "windows/dialogs/arvelo_calc_setup_lang_dlg.h"

#include "data/text_table.h"
#include "resources/layouts/dialog_templates.h"
#include "windows/dialogs/drop_down_list.h"

#include <utility>

namespace {

constexpr int kLanguageLabel = 1052;
constexpr int kLanguageList = 1055;
constexpr int kSaveButton = 1056;
constexpr int kCancelButton = 1057;

// Each language's own name, in language order.
constexpr int kFirstLanguageName = 68;

} // namespace

CArveloCalcSetupLangDlg::CArveloCalcSetupLangDlg(AppState& state, std::u16string title)
    : SettingsDialog(languageDialogTemplate(), std::move(title), state, kSaveButton, kCancelButton), state_(state)
{
}

void CArveloCalcSetupLangDlg::onOpen()
{
    setLabel(kLanguageLabel, kFirstLanguageName + state_.languageIndex, ControlFont::Bold);
    fillDropDownList(controls()[kLanguageList], texts(kFirstLanguageName, TextTable::languageCount),
                     state_.languageIndex);
    showSaveAndCancel();
}

void CArveloCalcSetupLangDlg::save()
{
    if (const auto picked = pickedEntry(controls()[kLanguageList]))
        state_.languageIndex = static_cast<std::uint8_t>(*picked);
    end(kResultOk);
}
