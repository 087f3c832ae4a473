#include "tests/qt/host/main_window_widget.h"

#include "qt/controls/kr_button.h"
#include "qt/controls/kr_group_frame.h"
#include "qt/controls/kr_static_text.h"
#include "tests/support/answered_windows.h"
#include "tests/support/recorded_messages.h"
#include "windows/branch/branch_window.h"
#include "windows/dialogs/arvelo_calc_calc_dlg.h"
#include "windows/dialogs/arvelo_calc_setup_lang_dlg.h"
#include "windows/dialogs/arvelo_calc_setup_prefs_dlg.h"
#include "windows/dialogs/arvelo_calc_setup_um_dlg.h"
#include "windows/dialogs/record_measurement_dlg.h"
#include "windows/dialogs/sign_off_dlg.h"
#include "commissioning/correction_texts.h"
#include "data/text_format.h"
#include "data/text_table.h"
#include "qt/host/fitted_text.h"
#include "qt/host/window_host.h"

#include <QApplication>
#include <QPushButton>

#include <cstdio>
#include <set>

namespace {

const char* const kLanguages[] = {"it", "en", "es", "de", "fr", "sv", "ru"};

// Every visible caption and button text either fits its control whole, or
// ends in an ellipsis with the whole text as its tooltip: never cut unseen.
// What does not fit whole is listed, for whoever reviews the translations.
void checkCaptions(WindowHost& host, const std::string& where, std::set<std::string>& shortened)
{
    host.grab(); // buttons fit their text while painting
    for (const auto& [id, state] : host.logic().controls().all()) {
        QWidget* widget = host.control(id);
        if (!widget || !state.visible || state.text.empty())
            continue;
        const QString whole = QString::fromStdU16String(state.text);
        QString shown;
        if (auto* label = qobject_cast<KrStaticText*>(widget))
            shown = label->text();
        else if (auto* group = qobject_cast<KrGroupFrame*>(widget))
            shown = group->title();
        else if (auto* button = qobject_cast<KrButton*>(widget))
            shown = button->toolTip().isEmpty() ? whole : QStringLiteral("…");
        else if (auto* push = qobject_cast<QPushButton*>(widget))
            shown = push->fontMetrics().horizontalAdvance(whole) <= push->width() - 8 ? whole : QString();
        else
            continue;
        if (shown == whole)
            continue;
        EXPECT_TRUE(shown.endsWith(QChar(0x2026))) << where << " control " << id << ": " << whole.toStdString();
        EXPECT_EQ(widget->toolTip(), whole) << where << " control " << id;
        shortened.insert(where.substr(0, 2) + " " + std::to_string(id) + ": " + whole.toStdString());
    }
}

TEST_F(MainWindowWidget, EveryCaptionFitsOrShowsItsEllipsisAndTooltip)
{
    CArveloCalcDlg& window = program->logic();
    std::set<std::string> shortened;
    const struct {
        std::int32_t workMode, view;
    } pages[] = {{0, 0}, {0, 2}, {1, 2}, {0, 7}, {1, 7}, {0, 3}, {1, 4}, {0, 5}, {0, 8}, {1, 9}, {0, 10}};
    for (int language = 0; language < 7; ++language) {
        state.languageIndex = static_cast<std::uint8_t>(language);
        window.setupCandidateList();
        window.setupValveListColumns();
        for (const auto& page : pages) {
            state.workMode = page.workMode;
            state.valveView = page.view;
            window.refreshPage();
            host().showModel();
            checkCaptions(host(), std::string(kLanguages[language]) + " page " + std::to_string(page.view),
                          shortened);
        }
        CArveloCalcSetupLangDlg languageDialog(state, u"");
        CArveloCalcSetupUmDlg unitsDialog(state, u"");
        CArveloCalcSetupPrefsDlg preferencesDialog(state, u"");
        CArveloCalcCalcDlg flowDialog(state, u"");
        ProtocolSignOff signOff;
        CArveloCalcSignOffDlg signOffDialog(state, signOff);
        RecordedMessages messages;
        QtModalWindows modalWindows;
        AnsweredSaveFile files;
        BranchWindow branchWindow(state, db, {messages, modalWindows, files, {}}, u"");
        for (WindowLogic* dialog : std::initializer_list<WindowLogic*>{&languageDialog, &unitsDialog,
                                                                       &preferencesDialog, &flowDialog,
                                                                       &signOffDialog, &branchWindow}) {
            WindowHost dialogHost(*dialog, &host());
            dialogHost.open();
            checkCaptions(dialogHost,
                          std::string(kLanguages[language]) + " dialog " +
                              std::to_string(dialog->dialogTemplate().id),
                          shortened);
        }
    }
    for (const std::string& caption : shortened)
        std::printf("shortened: %s\n", caption.c_str());
}

// The question before an implausible reading is recorded, with both of its
// reasons, and the presetting's caption stand whole in every language:
// the engineer decides on what they say.
TEST_F(MainWindowWidget, TheRecordDialogShowsItsQuestionWhole)
{
    for (int language = 0; language < 7; ++language) {
        state.languageIndex = static_cast<std::uint8_t>(language);
        const auto format = [language](int id, std::initializer_list<std::u16string_view> values) {
            return formatText(TextTable::text(language, id), values);
        };
        const std::u16string reason =
            format(CorrectionText::kDpAboveMaximum, {u"3000,00 mbar", u"2500,00 mbar"}) + u"; " +
            format(CorrectionText::kFlowAboveThreeTimes, {u"3,85 l/s", u"0,500 l/s"});
        CArveloCalcRecordDlg dialog(state, true, u"3,70", reason);
        WindowHost dialogHost(dialog, &host());
        dialogHost.open();
        dialogHost.grab();
        for (const int id : {1301, 1303}) {
            auto* label = qobject_cast<KrStaticText*>(dialogHost.control(id));
            ASSERT_NE(label, nullptr) << id;
            EXPECT_EQ(label->text().toStdU16String(), dialog.controls().find(id)->text)
                << kLanguages[language] << " control " << id;
        }
    }
}

} // namespace
