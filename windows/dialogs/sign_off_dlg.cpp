#include "windows/dialogs/sign_off_dlg.h"

#include "data/text_table.h"
#include "resources/layouts/dialog_templates.h"

#include <array>

namespace {

constexpr int kTitle = 109; // "Commissioning protocol"
constexpr int kSaveButton = 1217;
constexpr int kCancelButton = 1218;

// Each sign-off field: its caption label and text, its edit field, and the
// member of the sign-off it edits.
struct SignOffField {
    int labelId;
    int textId;
    int fieldId;
    std::u16string ProtocolSignOff::*value;
};

constexpr std::array<SignOffField, 8> kFields{{
    {1201, 132, 1202, &ProtocolSignOff::commissioningDate},
    {1203, 133, 1204, &ProtocolSignOff::engineer},
    {1205, 134, 1206, &ProtocolSignOff::company},
    {1207, 135, 1208, &ProtocolSignOff::instrument},
    {1209, 136, 1210, &ProtocolSignOff::calibrationDate},
    {1211, 137, 1212, &ProtocolSignOff::remarks},
    {1213, 138, 1214, &ProtocolSignOff::contractor},
    {1215, 139, 1216, &ProtocolSignOff::client},
}};

// Long enough for any name, instrument or date, and short enough that the
// sign-off, each field wrapped on its ruled lines, stays on one page. A
// longer text is refused as typed or pasted, never cut.
constexpr std::size_t kFieldLength = 300;
constexpr int kRemarksField = 1212; // lines of their own, any number

std::u16string titleOf(const AppState& state) { return std::u16string(TextTable::text(state.languageIndex, kTitle)); }

} // namespace

CArveloCalcSignOffDlg::CArveloCalcSignOffDlg(const AppState& state, ProtocolSignOff& signOff)
    : SettingsDialog(signOffDialogTemplate(), titleOf(state), state, kSaveButton, kCancelButton), signOff_(signOff)
{
}

void CArveloCalcSignOffDlg::onOpen()
{
    for (const SignOffField& field : kFields) {
        setLabel(field.labelId, text(field.textId), ControlFont::Regular);
        ControlState& edit = controls()[field.fieldId];
        edit.text = signOff_.*field.value;
    }
    showSaveAndCancel();
}

bool CArveloCalcSignOffDlg::acceptsTyping(int controlId, const std::u16string& text) const
{
    return controlId == kRemarksField || text.size() <= kFieldLength;
}

void CArveloCalcSignOffDlg::save()
{
    for (const SignOffField& field : kFields)
        signOff_.*field.value = controls()[field.fieldId].text;
    end(kResultOk);
}
