#include "windows/dialogs/record_measurement_dlg.h"

#include "commissioning/correction_texts.h"
#include "commissioning/measurement_texts.h"
#include "data/text_format.h"
#include "data/text_table.h"
#include "resources/layouts/dialog_templates.h"

#include <algorithm>

namespace {

constexpr int kPresettingCaption = 1301;
constexpr int kPresettingField = 1302;
constexpr int kQuestion = 1303;
constexpr int kSaveButton = 1304;
constexpr int kCancelButton = 1305;
// A presetting such as "12,35", as the valve list stores it.
constexpr std::size_t kPresettingLength = 8;

std::u16string titleOf(const AppState& state)
{
    return std::u16string(TextTable::text(state.languageIndex, MeasurementText::kRecordButton));
}

// The decimal comma of the window, for a presetting stored or typed with a point.
std::u16string withDecimalComma(std::u16string text)
{
    std::replace(text.begin(), text.end(), u'.', u',');
    return text;
}

void show(ControlState& control, bool visible)
{
    control.visible = visible;
    control.enabled = visible;
}

} // namespace

CArveloCalcRecordDlg::CArveloCalcRecordDlg(const AppState& state, bool askPresetting, std::u16string presetting,
                                           std::u16string implausibleReason, std::u16string offScale)
    : SettingsDialog(recordDialogTemplate(), titleOf(state), state, kSaveButton, kCancelButton),
      askPresetting_(askPresetting), presetting_(std::move(presetting)),
      implausibleReason_(std::move(implausibleReason)), offScale_(std::move(offScale))
{
}

void CArveloCalcRecordDlg::onOpen()
{
    setLabel(kPresettingCaption, CorrectionText::kPresettingFound, ControlFont::Regular);
    controls()[kPresettingField].text = withDecimalComma(presetting_);
    show(controls()[kPresettingCaption], askPresetting_);
    show(controls()[kPresettingField], askPresetting_);
    ControlState& question = controls()[kQuestion];
    question.text = offScale_;
    if (!implausibleReason_.empty())
        question.text += (offScale_.empty() ? u"" : u"\n\n") +
                         formatText(text(CorrectionText::kImplausibleQuestion), {implausibleReason_});
    question.textColour = kTextRed;
    show(question, !question.text.empty());
    if (!offScale_.empty())
        controls().focusRequest = kPresettingField;
    showSaveAndCancel();
}

bool CArveloCalcRecordDlg::acceptsTyping(int controlId, const std::u16string& text) const
{
    if (controlId != kPresettingField)
        return true;
    return text.size() <= kPresettingLength && std::all_of(text.begin(), text.end(), [](char16_t c) {
               return (c >= u'0' && c <= u'9') || c == u',' || c == u'.';
           });
}

void CArveloCalcRecordDlg::onTextChanged(int controlId)
{
    if (controlId != kPresettingField)
        return;
    std::u16string& typed = controls()[controlId].text;
    if (typed.find(u'.') == std::u16string::npos)
        return;
    typed = withDecimalComma(typed);
    controls().focusRequest = controlId;
}

void CArveloCalcRecordDlg::save()
{
    presetting_ = controls()[kPresettingField].text;
    end(kResultOk);
}
