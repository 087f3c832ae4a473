// The program's own small windows, the record and the sign-off, answer to
// Return as Save and to Escape as Cancel, as dialogs do; the presetting in
// the record keeps the decimal comma.

#include "tests/windows/dialogs/dialog_state.h"
#include "windows/dialogs/record_measurement_dlg.h"
#include "windows/dialogs/sign_off_dlg.h"

#include <gtest/gtest.h>

namespace {

constexpr int kPresettingField = 1302;
constexpr int kRecordCancel = 1305;
constexpr int kRemarksField = 1212;
constexpr int kSignOffCancel = 1218;
constexpr int kEngineerField = 1204;

using Key = WindowLogic::Key;

TEST(RecordDialog, ReturnSavesTheTypedPresettingEscapeRecordsNothing)
{
    const AppState state = startupState();
    CArveloCalcRecordDlg returned(state, true, u"2,90", u"");
    returned.onOpen();
    typeInto(returned, kPresettingField, u"3,1");
    EXPECT_TRUE(returned.onKeyDown(Key::Return, kPresettingField));
    EXPECT_EQ(returned.result(), WindowLogic::kResultOk);
    EXPECT_EQ(returned.presetting(), u"3,1");

    for (const auto& [key, focus] : {std::pair{Key::Escape, kPresettingField}, std::pair{Key::Return, kRecordCancel}}) {
        CArveloCalcRecordDlg left(state, true, u"2,90", u"");
        left.onOpen();
        EXPECT_TRUE(left.onKeyDown(key, focus));
        EXPECT_EQ(left.result(), 0);
    }
}

// A presetting stored or typed with a point shows the window's comma: the
// German window showed "2.90".
TEST(RecordDialog, APresettingWithAPointShowsTheDecimalComma)
{
    const AppState state = startupState();
    CArveloCalcRecordDlg dialog(state, true, u"2.90", u"");
    dialog.onOpen();
    EXPECT_EQ(shown(dialog, kPresettingField), u"2,90");
    EXPECT_TRUE(dialog.acceptsTyping(kPresettingField, u"3."));
    typeInto(dialog, kPresettingField, u"3.5");
    EXPECT_EQ(shown(dialog, kPresettingField), u"3,5");
    EXPECT_FALSE(dialog.acceptsTyping(kPresettingField, u"3a"));
}

TEST(SignOffDialog, ReturnSavesExceptInTheRemarksWhereItStartsANewLine)
{
    const AppState state = startupState();
    ProtocolSignOff signOff;
    CArveloCalcSignOffDlg remarks(state, signOff);
    remarks.onOpen();
    EXPECT_FALSE(remarks.onKeyDown(Key::Return, kRemarksField)) << "the field takes the key";
    EXPECT_FALSE(remarks.result());

    CArveloCalcSignOffDlg saved(state, signOff);
    saved.onOpen();
    typeInto(saved, kEngineerField, u"K. Berg");
    EXPECT_TRUE(saved.onKeyDown(Key::Return, kEngineerField));
    EXPECT_EQ(saved.result(), WindowLogic::kResultOk);
    EXPECT_EQ(signOff.engineer, u"K. Berg");

    CArveloCalcSignOffDlg cancelled(state, signOff);
    cancelled.onOpen();
    EXPECT_TRUE(cancelled.onKeyDown(Key::Return, kSignOffCancel));
    EXPECT_EQ(cancelled.result(), 0);
}

} // namespace

namespace {

// A sign-off field takes what prints whole on its ruled lines: a 153
// characters' instrument text was cut at 120 without a word; one longer
// than the limit is refused as typed, the field kept as it was.
TEST(SignOffDialog, AFieldIsNeverCutOnlyRefusedBeyondWhatPrintsWhole)
{
    const AppState state = startupState();
    ProtocolSignOff signOff;
    CArveloCalcSignOffDlg dialog(state, signOff);
    dialog.onOpen();
    constexpr int kInstrumentField = 1208;
    const std::u16string instrument = u"Fluke 922 Micromanometer, Seriennummer 4471-2209-17, kalibriert durch "
                                      u"Prüflabor Nord nach DKD-R 6-1, Zertifikat 2026-0815 vom 14.03.2026";
    ASSERT_GT(instrument.size(), 120u);
    EXPECT_TRUE(dialog.acceptsTyping(kInstrumentField, instrument));
    typeInto(dialog, kInstrumentField, instrument);
    dialog.onClick(1217); // Save
    EXPECT_EQ(signOff.instrument, instrument);
    EXPECT_FALSE(dialog.acceptsTyping(kInstrumentField, std::u16string(301, u'x')));
    EXPECT_TRUE(dialog.acceptsTyping(kRemarksField, std::u16string(2000, u'x'))) << "lines of their own";
}

} // namespace
