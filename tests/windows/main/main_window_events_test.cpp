#include "tests/windows/main/main_window_fixture.h"

#include "data/text_format.h"
#include "tests/support/file_bytes.h"
#include "windows/dialogs/arvelo_calc_calc_dlg.h"
#include "files/export_failure_text.h"
#include "windows/main/main_window_ids.h"
#include "valve_list/valve_list_export.h"


using namespace MainWindowId;

namespace {

constexpr int kLanguageSave = 1056;
constexpr int kLanguageList = 1055;
constexpr int kFlowPower = 1086;
constexpr int kFlowSupply = 1087;
constexpr int kFlowReturn = 1089;
constexpr int kFlowSave = 1088;

// The worked example: 0,5 l/s through a fixed-orifice valve losing 100 mbar.
TEST_F(MainWindowTest, ReturnInAnInputCalculatesTheWorkedExample)
{
    goToPage(0, 3);
    type(kFirstInput, u"0,5");
    type(kSecondInput, u"100");
    EXPECT_TRUE(window.onKeyDown(WindowLogic::Key::Return, kSecondInput));
    EXPECT_EQ(text(kFirstResult), u"3,70");
    EXPECT_EQ(text(kSecondResult), u"5,79");
    EXPECT_EQ(text(kThirdResult), u"92,50");
    EXPECT_EQ(text(kTypeSeriesLabel), u"Baureihe");
    EXPECT_EQ(control(kTypeSeriesLabel).textColour, kTextBlack);
    EXPECT_NE(control(kValvePicture).imageId, -1);
    EXPECT_FALSE(control(kCandidateList).rows.empty());
    EXPECT_EQ(control(kCandidateList).selectedRow, -1); // nothing clicked yet
    EXPECT_FALSE(window.result().has_value());
}

TEST_F(MainWindowTest, ReturnAndEscapeAreConsumedAndCalculateOnlyInTheInputs)
{
    struct Case {
        WindowLogic::Key key;
        int focus;
        bool calculates;
    };
    for (const Case& c : {Case{WindowLogic::Key::Return, kFirstInput, true},
                          Case{WindowLogic::Key::Escape, kFirstInput, true},
                          Case{WindowLogic::Key::Return, kSecondInput, true},
                          Case{WindowLogic::Key::Escape, kSecondInput, true},
                          Case{WindowLogic::Key::Return, kDesignationField, false},
                          Case{WindowLogic::Key::Escape, kDesignationField, false},
                          Case{WindowLogic::Key::Return, kProjectField, false},
                          Case{WindowLogic::Key::Return, kCustomerField, false},
                          Case{WindowLogic::Key::Escape, kCandidateList, false},
                          Case{WindowLogic::Key::Return, kNoControlId, false}}) {
        goToPage(0, 3);
        type(kFirstInput, u"0,5");
        EXPECT_TRUE(window.onKeyDown(c.key, c.focus));
        EXPECT_EQ(text(kFirstResult) != u"---", c.calculates) << "focus " << c.focus;
        EXPECT_FALSE(window.result().has_value()) << "Escape or Return ended the window";
    }
}

TEST_F(MainWindowTest, InputFieldsKeepDigitsAndCommasOnly)
{
    goToPage(0, 3);
    type(kFirstInput, u"0,00a");
    EXPECT_EQ(text(kFirstInput), u"0,00");
    EXPECT_EQ(window.fields.flowInput, "0,00");
    EXPECT_EQ(window.controls().focusRequest, kFirstInput);

    type(kFirstInput, u"0,0");
    EXPECT_EQ(window.fields.flowInput, "0,0");
    type(kFirstInput, u"");
    EXPECT_EQ(window.fields.flowInput, "");

    type(kSecondInput, u"12,5");
    EXPECT_EQ(window.fields.dpInput, "12,5");
    type(kSecondInput, u"x"); // 12,5 selected and typed over
    EXPECT_EQ(window.fields.dpInput, "x");
    EXPECT_EQ(text(kSecondInput), u"x");

    type(kFirstInput, u"1234567890,1234");
    EXPECT_EQ(window.fields.flowInput, "1234567890,1234");
}

TEST_F(MainWindowTest, CandidateClickBesideTheRowsAsksForASymbol)
{
    goToPage(0, 3);
    type(kFirstInput, u"0,5");
    window.calculate();
    ASSERT_GE(control(kCandidateList).rows.size(), 2u);

    window.onListClick(kCandidateList, 1);
    EXPECT_EQ(window.fields.candidateIndex, 1);
    EXPECT_EQ(control(kCandidateList).selectedRow, 1);
    EXPECT_TRUE(messages.shown.empty());

    window.onListClick(kCandidateList, -1);
    EXPECT_EQ(window.fields.candidateIndex, -1);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0], u"Klicken Sie auf das Symbol");

    window.onKeyDown(WindowLogic::Key::Return, kFirstInput);
    EXPECT_EQ(control(kCandidateList).selectedRow, -1);
}

TEST_F(MainWindowTest, AClickedRowBeyondANewShorterListIsForgotten)
{
    goToPage(0, 3);
    type(kFirstInput, u"0,5");
    window.calculate();
    const int last = static_cast<int>(control(kCandidateList).rows.size()) - 1;
    ASSERT_GE(last, 1);
    window.onListClick(kCandidateList, last);
    type(kFirstInput, u"1000");
    window.calculate();
    ASSERT_LT(static_cast<int>(control(kCandidateList).rows.size()), last + 1);
    EXPECT_EQ(window.fields.candidateIndex, -1);
    EXPECT_EQ(control(kCandidateList).selectedRow, -1);
}

TEST_F(MainWindowTest, SettingsSaveReturnsToTheStartPageWithFreshLists)
{
    goToPage(1, 9);
    window.onListClick(kValveList, 0);
    windows.answer = [](WindowLogic&) { return 1; };
    for (const int button : {kPreferencesButton, kUnitsButton, kLanguageButton}) {
        goToPage(1, 9);
        type(kFirstInput, u"3");
        window.valveListIndex = 0;
        click(button);
        EXPECT_EQ(state.valveView, 0);
        EXPECT_EQ(state.workMode, 1);
        EXPECT_EQ(window.valveListIndex, -1);
        EXPECT_EQ(window.fields.candidateIndex, -1);
        EXPECT_EQ(window.fields.flowInput, "");
        EXPECT_EQ(control(kValveList).columns.size(), 14u + 1u); // the list's own and the measured mark
    }
    EXPECT_EQ(windows.opened, 3);
}

TEST_F(MainWindowTest, SettingsCancelLeavesPageListsAndInputs)
{
    goToPage(0, 3);
    type(kFirstInput, u"0,5");
    window.calculate();
    const auto rows = control(kCandidateList).rows;
    windows.answer = [](WindowLogic&) { return 0; };
    for (const int button : {kPreferencesButton, kUnitsButton, kLanguageButton}) {
        click(button);
        EXPECT_EQ(state.valveView, 3);
        EXPECT_EQ(window.fields.flowInput, "0,5");
        EXPECT_EQ(window.fields.dpInput, "100,00");
        EXPECT_EQ(control(kCandidateList).rows, rows);
    }
}

TEST_F(MainWindowTest, LanguageSavedInTheRealDialogSwitchesTheWindowAtOnce)
{
    windows.answer = [](WindowLogic& dialog) {
        dialog.controls()[kLanguageList].currentIndex = 1;
        dialog.onSelectionChanged(kLanguageList);
        dialog.onClick(kLanguageSave);
        return dialog.result().value_or(-1);
    };
    goToPage(0, 2);
    click(kLanguageButton);
    EXPECT_EQ(state.languageIndex, 1);
    EXPECT_EQ(text(kSizingButton), u"Sizing");
    EXPECT_EQ(text(kValveListFrame), u"Valve list");
    EXPECT_EQ(control(kCandidateList).columns[2].header, u"Material number");
    EXPECT_EQ(control(kValveList).columns[13].header, u"Designation");
    EXPECT_EQ(state.valveView, 0);
}

TEST_F(MainWindowTest, FlowCalculationSavedFillsTheFlowAndCalculatesOnTheSamePage)
{
    goToPage(0, 3);
    windows.answer = [](WindowLogic& dialog) {
        for (const auto& [id, value] : {std::pair{kFlowPower, u"12"}, {kFlowSupply, u"70"}, {kFlowReturn, u"50"}}) {
            dialog.controls()[id].text = value;
            dialog.onTextChanged(id);
        }
        dialog.onClick(kFlowSave);
        return dialog.result().value_or(-1);
    };
    click(kFlowCalculationButton);
    EXPECT_EQ(state.valveView, 3);
    // 12000 W / 20 K / 4182 J/(kg K) = 0,143472 kg/s, / 0,998 kg/l = 0,143760
    // l/s: three significant digits, where two decimals wrote 0,14.
    EXPECT_EQ(window.fields.flowInput, "0,144");
    EXPECT_EQ(text(kFirstInput), u"0,144");
    EXPECT_EQ(window.fields.powerInput, "12");
    EXPECT_EQ(window.fields.supplyTempInput, "70");
    EXPECT_EQ(window.fields.returnTempInput, "50");
    EXPECT_NE(text(kFirstResult), u"---");

    // The next opening starts from what was typed there.
    std::string shownPower;
    windows.answer = [&shownPower](WindowLogic& dialog) {
        shownPower = utf16ToUtf8(dialog.controls()[kFlowPower].text);
        return 0;
    };
    click(kFlowCalculationButton);
    EXPECT_EQ(shownPower, "12");
    EXPECT_EQ(window.fields.flowInput, "0,144");
}

TEST_F(MainWindowTest, CloseButtonEndsWithOkAndTheCloseBoxWithCancel)
{
    click(kCloseButton);
    EXPECT_EQ(window.result(), WindowLogic::kResultOk);

    CArveloCalcDlg other{state, db, {messages, windows, files, protocols, curves, {}}};
    other.onOpen();
    other.onKeyDown(WindowLogic::Key::Escape, kNoControlId);
    EXPECT_FALSE(other.result().has_value());
    other.onCloseRequest();
    EXPECT_EQ(other.result(), WindowLogic::kResultCancel);
}

TEST_F(MainWindowTest, WithoutADatabaseEveryPageOpensAndShowsNoResult)
{
    AppState bare = state;
    ProductDb closed{errors};
    CArveloCalcDlg lonely{bare, closed, {messages, windows, files, protocols, curves, {}}};
    lonely.onOpen();
    for (const auto& [mode, view] : {std::pair{0, 3}, {1, 4}, {0, 5}, {0, 8}, {1, 9}, {0, 10}}) {
        bare.workMode = mode;
        bare.valveView = view;
        lonely.refreshPage();
        lonely.controls()[kFirstInput].text = u"1";
        lonely.onTextChanged(kFirstInput);
        lonely.calculate();
        EXPECT_EQ(lonely.controls().find(kTypeSeriesLabel)->textColour, kTextRed) << "view " << view;
        EXPECT_EQ(lonely.controls().find(kValvePicture)->imageId, -1);
        EXPECT_TRUE(lonely.controls().find(kCandidateList)->rows.empty());
    }
}

TEST_F(MainWindowTest, BannerFollowsTheWindowWidth)
{
    window.savedWindowRect = {0, 0, 1280, 800};
    EXPECT_EQ(window.centreBanner({0, 0, 1380, 800}), 50);
    EXPECT_EQ(window.centreBanner({0, 0, 1280, 800}), -50);
    EXPECT_EQ(window.savedWindowRect.width, 1280);
}

// The valve list panel.

class ValveListPanel : public MainWindowTest {
protected:
    void calculated()
    {
        goToPage(0, 3);
        type(kFirstInput, u"0,5");
        window.calculate();
    }
    // A calculated valve V1 in the list, project and customer filled in.
    void readyToExport()
    {
        calculated();
        add(u"V1");
        type(kProjectField, u"Schule");
        type(kCustomerField, u"Stadt");
        windows.answer = [](WindowLogic&) { return WindowLogic::kResultOk; }; // the protocol's sign-off
    }
    void add(const std::u16string& designation)
    {
        type(kDesignationField, designation);
        click(kAddButton);
    }
    std::vector<std::u16string> numbers() const
    {
        std::vector<std::u16string> shown;
        for (const ListRow& row : control(kValveList).rows)
            shown.push_back(row.cells[0] + u" " + row.cells[13]);
        return shown;
    }
};

TEST_F(ValveListPanel, AddRefusesWithoutValveDesignationOrWithATakenOne)
{
    goToPage(0, 3);
    add(u"V1");
    calculated();
    add(u"");
    add(u"V1");
    add(u"V1");
    ASSERT_EQ(messages.shown.size(), 3u);
    EXPECT_EQ(messages.shown[0], u"Keine Projektdaten!");
    EXPECT_EQ(messages.shown[1], u"Bitte geben Sie eine Bezeichnung an!");
    EXPECT_EQ(messages.shown[2], u"Bezeichnung bereits vorhanden!");
    EXPECT_EQ(numbers(), (std::vector<std::u16string>{u"1 V1"}));
    EXPECT_EQ(text(kDesignationField), u"V1");
}

TEST_F(ValveListPanel, NumbersFollowTheLastRowAndStartAgainAfterDeleteTable)
{
    calculated();
    add(u"V1");
    add(u"V2");
    add(u"V3");
    window.onListClick(kValveList, 0);
    click(kDeleteValveButton);
    add(u"V4");
    EXPECT_EQ(numbers(), (std::vector<std::u16string>{u"2 V2", u"3 V3", u"4 V4"}));
    click(kDeleteTableButton);
    EXPECT_TRUE(numbers().empty());
    add(u"V5");
    EXPECT_EQ(numbers(), (std::vector<std::u16string>{u"1 V5"}));
    EXPECT_EQ(state.projects.size(), 1u);
}

TEST_F(ValveListPanel, DeleteValveNeedsAClickedRow)
{
    calculated();
    add(u"V1");
    add(u"V2");
    const auto refused = [this] {
        messages.shown.clear();
        click(kDeleteValveButton);
        return messages.shown == std::vector<std::u16string>{u"Wählen Sie ein zu entfernendes Objekt (Ventil) aus."};
    };
    EXPECT_TRUE(refused()) << "right after opening";
    window.onListClick(kValveList, 1);
    click(kDeleteValveButton);
    EXPECT_EQ(numbers(), (std::vector<std::u16string>{u"1 V1"}));
    EXPECT_EQ(control(kValveList).selectedRow, -1); // nothing moved into row 1
    EXPECT_TRUE(refused()) << "after a deletion";
    window.onListClick(kValveList, 0);
    click(kFirstTypeButton);
    EXPECT_TRUE(refused()) << "after a type button";
    window.onListClick(kValveList, 0);
    windows.answer = [](WindowLogic&) { return 1; };
    click(kUnitsButton);
    EXPECT_TRUE(refused()) << "after a settings dialog";
    messages.shown.clear();
    window.onListClick(kValveList, -1);
    EXPECT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(window.valveListIndex, -1);
}

TEST_F(ValveListPanel, AClickedRowStaysAcrossAddAndIsTheOneDeleted)
{
    calculated();
    add(u"V1");
    add(u"V2");
    window.onListClick(kValveList, 0);
    add(u"V3");
    EXPECT_EQ(control(kValveList).selectedRow, 0);
    click(kDeleteValveButton);
    EXPECT_EQ(numbers(), (std::vector<std::u16string>{u"2 V2", u"3 V3"}));
    // The row that moved up is highlighted, though none is clicked now.
    EXPECT_EQ(control(kValveList).selectedRow, 0);
    EXPECT_EQ(window.valveListIndex, -1);
}

TEST_F(ValveListPanel, DesignationFieldTakesNoMoreThanItsField)
{
    calculated();
    const std::u16string tooLong(130, u'é');
    type(kDesignationField, tooLong);
    EXPECT_EQ(utf16ToUtf8(text(kDesignationField)).size(), 126u); // 63 two-byte characters
    EXPECT_EQ(window.controls().focusRequest, kDesignationField);
    click(kAddButton);
    EXPECT_EQ(state.projects.at(0).riferimento, utf16ToUtf8(text(kDesignationField)));
}

TEST_F(ValveListPanel, ExportAsksForProjectAndCustomerThenWritesTheFile)
{
    calculated();
    add(u"V1");
    click(kExportButton);
    EXPECT_EQ(messages.shown, (std::vector<std::u16string>{u"Projekt und Kunde angeben!"}));

    type(kProjectField, u"Schule");
    type(kCustomerField, u"Stadt");
    click(kExportButton); // cancelled in the dialog
    EXPECT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(files.askedFolder, folder.path() / "Export");
    EXPECT_EQ(files.askedTitle, u"Dateinamen auswählen");

    files.answer = folder.path() / "Export" / "liste.csv";
    click(kExportButton);
    EXPECT_EQ(messages.shown.back(), u"Datei im Exportordner gespeichert");
    EXPECT_EQ(fileBytes(*files.answer), valveListExport(u"Schule", u"Stadt", 3, state.projects));
}

TEST_F(ValveListPanel, FailedExportSaysWhyAndNotThatItSaved)
{
    readyToExport();
    files.answer = folder.path() / "gone" / "liste.csv";
    click(kExportButton);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_NE(messages.shown[0].find(u"liste.csv"), std::u16string::npos);
    EXPECT_NE(messages.shown[0], u"Datei im Exportordner gespeichert");
}

TEST_F(ValveListPanel, ExportOffersTheSpreadsheetAndTheProtocolInTheCurrentLanguage)
{
    readyToExport();
    click(kExportButton);
    ASSERT_EQ(files.offeredTypes.size(), 2u);
    EXPECT_EQ(files.offeredTypes[0].filter, u"Export Files (*.csv)");
    EXPECT_EQ(files.offeredTypes[0].suffix, u"csv");
    EXPECT_EQ(files.offeredTypes[1].filter, u"Inbetriebnahmeprotokoll (*.pdf)");
    EXPECT_EQ(files.offeredTypes[1].suffix, u"pdf");
    EXPECT_TRUE(protocols.printed.empty());
}

TEST_F(ValveListPanel, ANameEndingInPdfWritesTheProtocol)
{
    readyToExport();
    add(u"V2");
    for (const char* name : {"protokoll.pdf", "PROTOKOLL.PDF"}) {
        files.answer = folder.path() / "Export" / name;
        click(kExportButton);
        EXPECT_EQ(messages.shown.back(), u"Datei im Exportordner gespeichert") << name;
        EXPECT_EQ(fileBytes(*files.answer), "%PDF printed protocol") << name;
    }
    ASSERT_EQ(protocols.printed.size(), 2u);
    const CommissioningProtocol& protocol = protocols.printed.front();
    EXPECT_EQ(protocol.title, u"Inbetriebnahmeprotokoll");
    EXPECT_EQ(protocol.projectLine, u"Projekt: Schule");
    EXPECT_EQ(protocol.customerLine, u"Kunde: Stadt");
    EXPECT_EQ(protocol.printedLine, u"Gedruckt am " + todayIsoDate());
    ASSERT_EQ(protocol.rows.size(), 2u);
    EXPECT_EQ(protocol.rows[1][13], u"V2");
}

TEST_F(ValveListPanel, AProtocolThatCannotBeSavedSaysWhyAsTheSpreadsheetDoes)
{
    readyToExport();
    files.answer = folder.path() / "gone" / "protokoll.pdf";
    click(kExportButton);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0], exportFailureText(3, *files.answer, "No such file or directory"));
    EXPECT_FALSE(std::filesystem::exists(*files.answer));
}

} // namespace
