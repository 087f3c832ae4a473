#include "tests/windows/main/main_window_fixture.h"

#include "db/measurement_store.h"
#include "tests/support/fixture_db.h"
#include "commissioning/commissioning_protocol.h"
#include "sizing/presetting_correction.h"
#include "windows/main/main_window_ids.h"

#include "data/number_text.h"
#include "data/text_format.h"

#include <algorithm>
#include <cmath>
#include <filesystem>

using namespace MainWindowId;

namespace {

constexpr std::size_t kMeasuredColumn = 14;

// Valves sized and listed, then measured on the commissioning pages.
class MeasurementRecord : public MainWindowTest {
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        windows.answer = [this](WindowLogic& dialog) { return answerRecordDialog(dialog); };
    }
    // The dialog before a reading is recorded: notes what it asked, types
    // the presetting found (where the test gives one) and keeps or drops
    // the reading.
    int answerRecordDialog(WindowLogic& dialog)
    {
        const ControlState& question = *dialog.controls().find(kRecordQuestion);
        asked.push_back(question.visible ? question.text : u"");
        offeredPresetting = dialog.controls().find(kRecordPresetting)->text;
        if (!presettingFound.empty())
            dialog.controls()[kRecordPresetting].text = presettingFound;
        dialog.onClick(keepReading ? kRecordSave : kRecordCancel);
        return dialog.result().value_or(0);
    }
    static constexpr int kRecordPresetting = 1302;
    static constexpr int kRecordQuestion = 1303;
    static constexpr int kRecordSave = 1304;
    static constexpr int kRecordCancel = 1305;
    std::u16string presettingFound;
    bool keepReading = true;
    std::vector<std::u16string> asked;
    std::u16string offeredPresetting;

    // The measured dP in mbar at which the chosen orifice passes flow l/s:
    // Q = Kvs x sqrt(dp) / 36 with dp in kPa.
    float dpForFlow(float flow) const
    {
        const FobvRow& orifice = state.fobvCommRows.at(*state.fobvCommChosen);
        const float root = 36.0f * flow / orifice.kvs;
        return root * root * 10.0f;
    }
    // Sizes a fixed-orifice valve for the flow and lists it.
    void listFixedOrifice(const std::u16string& flow, const std::u16string& designation)
    {
        goToPage(0, 3);
        type(kFirstInput, flow);
        type(kSecondInput, u"100");
        window.calculate();
        type(kDesignationField, designation);
        click(kAddButton);
    }
    // Page 4 with its list of every fixed-orifice valve, the measured dP
    // typed, and the valve of that material number clicked.
    void measureFixedOrifice(const std::string& materialNumber, const std::u16string& measuredDp)
    {
        goToPage(1, 4);
        type(kSecondInput, measuredDp);
        window.calculate();
        clickCandidate(state.fobvCommRows, materialNumber);
    }
    template <typename Rows>
    void clickCandidate(const Rows& rows, const std::string& materialNumber)
    {
        const auto found = std::find_if(rows.begin(), rows.end(),
                                        [&](const auto& row) { return row.technicalCode == materialNumber; });
        ASSERT_NE(found, rows.end()) << materialNumber;
        window.onListClick(kCandidateList, static_cast<int>(found - rows.begin()));
    }
    std::vector<MeasurementRow> stored() { return MeasurementStore(db.handle()).load().rows; }
    std::u16string measuredCell(std::size_t row) const
    {
        const ListRows& rows = control(kValveList).rows;
        EXPECT_LT(row, rows.size());
        return row < rows.size() ? rows[row].cells.at(kMeasuredColumn) : u"(no row)";
    }
    std::u16string lastMessage() const { return messages.shown.empty() ? u"" : messages.shown.back(); }
};

TEST_F(MeasurementRecord, TheButtonStandsOnTheTwoMeasuringPagesOnly)
{
    struct Page {
        std::int32_t mode;
        std::int32_t view;
        bool shown;
    };
    for (const Page& page : {Page{0, 0, false}, Page{0, 2, false}, Page{0, 3, false}, Page{0, 5, false},
                             Page{0, 7, false}, Page{0, 8, false}, Page{0, 10, false}, Page{1, 0, false},
                             Page{1, 2, false}, Page{1, 4, true}, Page{1, 7, false}, Page{1, 9, true}}) {
        goToPage(page.mode, page.view);
        EXPECT_EQ(control(kRecordMeasurementButton).visible, page.shown) << page.mode << "/" << page.view;
        EXPECT_EQ(text(kRecordMeasurementButton), u"Messung speichern");
    }
    EXPECT_EQ(control(kValveList).columns.size(), 15u);
    EXPECT_EQ(control(kValveList).columns.back().header, u"Gemessen");
}

TEST_F(MeasurementRecord, AFixedOrificeMeasurementIsStoredForTheClickedValve)
{
    listFixedOrifice(u"0,3", u"V1");
    listFixedOrifice(u"0,5", u"V2");
    listFixedOrifice(u"0,8", u"V3");
    const ProjectRow second = state.projects.at(1);

    // The orifice's dP at the design flow of 0,5 l/s: kvs x sqrt(dP) / 36 = 0,5.
    measureFixedOrifice(second.numero_di_materiale, u"100");
    const FobvRow& orifice = state.fobvCommRows.at(*state.fobvCommChosen);
    const float designDpMbar = (36.0f * 0.5f / orifice.kvs) * (36.0f * 0.5f / orifice.kvs) * 10.0f;
    type(kSecondInput, utf8ToUtf16(formatCommaDecimal(designDpMbar)));
    window.calculate();
    const std::u16string shownFlow = text(kSecondResult);
    window.onListClick(kValveList, 1);
    click(kRecordMeasurementButton);

    EXPECT_TRUE(messages.shown.empty()) << std::string(utf16ToUtf8(lastMessage()));
    const auto rows = stored();
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].posizione, second.posizione);
    EXPECT_EQ(rows[0].riferimento, "V2");
    EXPECT_FLOAT_EQ(rows[0].dP, parseCommaDecimal(formatCommaDecimal(designDpMbar)));
    EXPECT_EQ(rows[0].muP, "mbar");
    EXPECT_EQ(rows[0].setting, second.presetting);
    EXPECT_EQ(utf8ToUtf16(formatCommaDecimal(rows[0].flow)), shownFlow);
    EXPECT_EQ(rows[0].muQ, "l/s");
    EXPECT_EQ(rows[0].verdict, MeasurementVerdict::None);
    EXPECT_EQ(utf8ToUtf16(rows[0].date), todayIsoDate());
    EXPECT_EQ(measuredCell(0), u"");
    EXPECT_EQ(measuredCell(1), u"OK 0,00 %");
    EXPECT_EQ(measuredCell(2), u"");

    // Measured again: the new reading joins the first, and the latest counts.
    type(kSecondInput, utf8ToUtf16(formatCommaDecimal(4.0f * designDpMbar)));
    window.calculate();
    click(kRecordMeasurementButton);
    ASSERT_EQ(stored().size(), 2u);
    EXPECT_EQ(measuredCell(1), u"KO +100,00 %"); // four times the dP, twice the flow
}

TEST_F(MeasurementRecord, AFailingValveShowsThePresettingToSetAndTheNextReadingConfirmsIt)
{
    listFixedOrifice(u"0,5", u"V1");
    const ProjectRow valve = state.projects.at(0);
    measureFixedOrifice(valve.numero_di_materiale, u"100");
    const FobvRow orifice = state.fobvCommRows.at(*state.fobvCommChosen);
    std::vector<PresetRow> curves;
    ASSERT_EQ(db.queryPreset(curves, valve.numero_di_materiale), 1);

    // 0,6 l/s through a valve designed for 0,5: 20 % over, failed.
    type(kSecondInput, utf8ToUtf16(formatCommaDecimal(dpForFlow(0.6f))));
    window.calculate();
    EXPECT_FALSE(control(kThirdResult).visible);
    window.onListClick(kValveList, 0);
    click(kRecordMeasurementButton);
    ASSERT_TRUE(messages.shown.empty()) << std::string(utf16ToUtf8(lastMessage()));
    EXPECT_EQ(offeredPresetting, utf8ToUtf16(valve.presetting)) << "the design presetting is offered";
    EXPECT_EQ(asked, std::vector<std::u16string>{u""}) << "a plausible reading needs no question";
    ASSERT_EQ(stored().size(), 1u);
    const MeasurementRow first = stored()[0];
    const PresettingCorrection expected = correctPresetting(curves[0], orifice.presetStart, orifice.presetStep,
                                                            parseCommaDecimal(valve.presetting), 0.5f, first.flow);
    ASSERT_EQ(expected.outcome, CorrectionOutcome::Corrected);
    EXPECT_TRUE(control(kFirstResult).visible);
    EXPECT_EQ(text(kFirstResultCaption), u"Ergebnis: KO");
    EXPECT_EQ(u"KO " + text(kFirstResult), measuredCell(0));
    EXPECT_EQ(text(kFirstResult).substr(0, 1), u"+");
    EXPECT_EQ(text(kThirdResultCaption), u"Einzustellende Voreinstellung");
    const std::u16string toSet = utf8ToUtf16(formatCommaDecimal(expected.presetting));
    EXPECT_EQ(text(kThirdResult), toSet);
    EXPECT_NE(toSet, utf8ToUtf16(valve.presetting));

    // Set as told, the valve passes its design flow: recorded again with
    // the presetting now found.
    type(kSecondInput, utf8ToUtf16(formatCommaDecimal(dpForFlow(0.5f))));
    window.calculate();
    EXPECT_FALSE(control(kThirdResult).visible) << "a new calculation hides the last reading's correction";
    presettingFound = toSet;
    click(kRecordMeasurementButton);
    const auto rows = stored();
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(utf8ToUtf16(rows[1].setting), toSet);
    EXPECT_EQ(text(kFirstResultCaption), u"Ergebnis: OK");
    EXPECT_EQ(u"OK " + text(kFirstResult), measuredCell(0));
    EXPECT_EQ(text(kThirdResult), u"---");
}

TEST_F(MeasurementRecord, AValveThatNeedsAnotherSizeSaysSoInsteadOfAPresetting)
{
    listFixedOrifice(u"0,5", u"V1");
    const ProjectRow valve = state.projects.at(0);
    measureFixedOrifice(valve.numero_di_materiale, u"100");
    std::vector<PresetRow> curves;
    ASSERT_EQ(db.queryPreset(curves, valve.numero_di_materiale), 1);
    const FobvRow orifice = state.fobvCommRows.at(*state.fobvCommChosen);
    // Found fully open, passing 0,25 for 0,5: the Kv needed is twice the largest.
    presettingFound = utf8ToUtf16(formatCommaDecimal(orifice.presetFullOpening));
    type(kSecondInput, utf8ToUtf16(formatCommaDecimal(dpForFlow(0.25f))));
    window.calculate();
    window.onListClick(kValveList, 0);
    click(kRecordMeasurementButton);
    ASSERT_EQ(stored().size(), 1u);
    EXPECT_EQ(text(kFirstResultCaption), u"Ergebnis: KO");
    EXPECT_EQ(text(kThirdResultCaption), u"Größeres Ventil nötig");
    EXPECT_EQ(text(kThirdResult), u"---");
}

// A presetting off the valve's scale is asked for again, the reading and
// the presetting as typed, with the scale; it threw the reading away.
TEST_F(MeasurementRecord, APresettingFoundOffTheValvesScaleIsAskedForAgain)
{
    // The threaded valves' scale runs from 0,5 to 4,0 turns.
    listFixedOrifice(u"0,5", u"V1");
    measureFixedOrifice(state.projects.at(0).numero_di_materiale, u"100");
    window.onListClick(kValveList, 0);
    for (const char16_t* found : {u"4,50", u"0,40", u"12"}) {
        SCOPED_TRACE(utf16ToUtf8(found));
        int asks = 0;
        std::u16string offeredAgain;
        std::u16string told;
        windows.answer = [&](WindowLogic& dialog) {
            if (++asks == 1) {
                dialog.controls()[kRecordPresetting].text = found;
                dialog.onClick(kRecordSave);
            } else {
                offeredAgain = dialog.controls().find(kRecordPresetting)->text;
                told = dialog.controls().find(kRecordQuestion)->text;
                dialog.onClick(kRecordCancel);
            }
            return dialog.result().value_or(0);
        };
        click(kRecordMeasurementButton);
        EXPECT_EQ(asks, 2);
        EXPECT_EQ(offeredAgain, found);
        EXPECT_EQ(told, u"Voreinstellung außerhalb der Skala: 0,50 bis 4,00");
    }
    EXPECT_TRUE(stored().empty());
    windows.answer = [this](WindowLogic& dialog) { return answerRecordDialog(dialog); };
    presettingFound = u"4,00";
    click(kRecordMeasurementButton);
    ASSERT_EQ(stored().size(), 1u);
    EXPECT_EQ(stored()[0].setting, "4,00");
}

// A variable-orifice valve of the list is measured on the commissioning
// page by its presetting: Q = Kv(presetting found) x sqrt(dp / SG) / 36;
// recording one said that the calculated valve was not the one clicked.
// The next reading offers the presetting found last.
TEST_F(MeasurementRecord, AVariableOrificeValveIsMeasuredByThePresettingFound)
{
    goToPage(0, 5);
    type(kFirstInput, u"0,2");
    type(kSecondInput, u"100");
    window.calculate();
    type(kDesignationField, u"R1");
    click(kAddButton);
    ASSERT_EQ(state.projects.size(), 1u);
    const ProjectRow valve = state.projects[0];

    goToPage(1, 4);
    type(kSecondInput, u"100"); // mbar: 10 kPa
    window.onListClick(kValveList, 0);
    presettingFound = u"2,00";
    click(kRecordMeasurementButton);
    ASSERT_EQ(stored().size(), 1u) << utf16ToUtf8(lastMessage());
    EXPECT_EQ(offeredPresetting, utf8ToUtf16(valve.presetting)) << "the design's before a first reading";
    EXPECT_EQ(stored()[0].setting, "2,00");
    std::vector<PresetRow> curve;
    ASSERT_EQ(db.queryPreset(curve, valve.numero_di_materiale), 1);
    std::vector<VobvRow> rows;
    db.queryVobvAll(rows);
    const auto row = std::find_if(rows.begin(), rows.end(),
                                  [&](const VobvRow& r) { return r.technicalCode == valve.numero_di_materiale; });
    ASSERT_NE(row, rows.end());
    const auto kv = kvAtPresetting(curve[0], row->presetStart, row->presetStep, 2.0f);
    ASSERT_TRUE(kv);
    EXPECT_NEAR(stored()[0].flow, *kv * std::sqrt(10.0f) / 36.0f, 1e-5f); // water, SG 1,000

    presettingFound.clear();
    click(kRecordMeasurementButton);
    EXPECT_EQ(offeredPresetting, u"2,00") << "the presetting found last";
}

TEST_F(MeasurementRecord, AnImplausibleReadingIsRecordedOnlyWhenTheEngineerKeepsIt)
{
    listFixedOrifice(u"0,5", u"V1");
    measureFixedOrifice(state.projects.at(0).numero_di_materiale, u"3000");
    window.onListClick(kValveList, 0);
    // 3000 mbar = 300 kPa, above the 250 kPa a threaded static valve carries.
    keepReading = false;
    click(kRecordMeasurementButton);
    EXPECT_TRUE(stored().empty());
    ASSERT_EQ(asked.size(), 1u);
    const std::u16string question = asked[0];
    EXPECT_EQ(question.substr(0, 21), u"Unplausible Messung: ");
    EXPECT_NE(question.find(u"der gemessene dP von 3000,00 mbar liegt über dem Höchstwert des Ventils von "
                            u"2500,00 mbar"),
              std::u16string::npos)
        << std::string(utf16ToUtf8(question));
    EXPECT_EQ(question.substr(question.size() - 19), u"Trotzdem speichern?");

    keepReading = true;
    click(kRecordMeasurementButton);
    ASSERT_EQ(stored().size(), 1u);
    EXPECT_TRUE(stored()[0].implausibleConfirmed);

    // A usual reading is asked nothing about and carries no mark.
    type(kSecondInput, u"100");
    window.calculate();
    click(kRecordMeasurementButton);
    ASSERT_EQ(stored().size(), 2u);
    EXPECT_FALSE(stored()[1].implausibleConfirmed);
    EXPECT_EQ(asked.back(), u"");
}

TEST_F(MeasurementRecord, RefusedWithoutAValveAResultOrForAnotherValveAndAListClickPicksTheValve)
{
    listFixedOrifice(u"0,3", u"V1");
    listFixedOrifice(u"0,8", u"V2");
    const ProjectRow first = state.projects.at(0);
    const ProjectRow second = state.projects.at(1);
    ASSERT_NE(first.numero_di_materiale, second.numero_di_materiale);

    measureFixedOrifice(first.numero_di_materiale, u"100");
    click(kRecordMeasurementButton);
    EXPECT_EQ(lastMessage(), u"Klicken Sie in der Ventilliste auf das gemessene Ventil.");

    // A click in the list picks the clicked valve's candidate; another
    // candidate clicked after it is another valve.
    window.onListClick(kValveList, 1);
    ASSERT_TRUE(state.fobvCommChosen);
    EXPECT_EQ(state.fobvCommRows.at(*state.fobvCommChosen).technicalCode, second.numero_di_materiale);
    clickCandidate(state.fobvCommRows, first.numero_di_materiale);
    click(kRecordMeasurementButton);
    EXPECT_EQ(lastMessage(), u"Das berechnete Ventil (" + utf8ToUtf16(first.numero_di_materiale) +
                                 u") ist nicht das in der Ventilliste angeklickte Ventil (" +
                                 utf8ToUtf16(second.numero_di_materiale) + u").");

    window.onListClick(kValveList, 0);
    type(kSecondInput, u"120"); // the shown flow no longer answers the input
    click(kRecordMeasurementButton);
    EXPECT_EQ(lastMessage(), u"Bitte zuerst berechnen: Für die eingegebenen Werte gibt es kein Ergebnis.");

    EXPECT_TRUE(stored().empty());

    // On a page opened anew, the click in the list calculates the valve
    // clicked: the engineer need not find it among the candidates.
    window.calculate();
    goToPage(1, 4);
    type(kSecondInput, u"100");
    window.onListClick(kValveList, 0);
    click(kRecordMeasurementButton);
    ASSERT_EQ(stored().size(), 1u);
    EXPECT_EQ(stored()[0].riferimento, "V1");
}

TEST_F(MeasurementRecord, APicvCheckStoresThePresettingItsFlowAndTheVerdict)
{
    goToPage(0, 8);
    type(kFirstInput, u"0,2");
    window.calculate();
    type(kDesignationField, u"P1");
    click(kAddButton);
    const ProjectRow valve = state.projects.at(0);

    goToPage(1, 9);
    type(kFirstInput, valve.presetting.empty() ? u"1" : utf8ToUtf16(valve.presetting));
    type(kSecondInput, u"500");
    window.calculate();
    clickCandidate(state.picvAllRows, valve.numero_di_materiale);
    ASSERT_EQ(state.picvCheckNoData, 0);
    const bool sufficient = state.picvCheckResult > 0.0f;
    window.onListClick(kValveList, 0);
    click(kRecordMeasurementButton);

    ASSERT_TRUE(messages.shown.empty()) << std::string(utf16ToUtf8(lastMessage()));
    const auto rows = stored();
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].setting, valve.presetting);
    EXPECT_EQ(rows[0].verdict, sufficient ? MeasurementVerdict::Sufficient : MeasurementVerdict::Insufficient);
    // The preset flow nearest the design flow was what the sizing showed.
    EXPECT_EQ(formatCommaDecimal(rows[0].flow), valve.kv);
}

TEST_F(MeasurementRecord, DeletingValvesDeletesTheirMeasurements)
{
    listFixedOrifice(u"0,3", u"V1");
    listFixedOrifice(u"0,5", u"V2");
    for (std::size_t i = 0; i < 2; ++i) {
        measureFixedOrifice(state.projects.at(i).numero_di_materiale, u"100");
        window.onListClick(kValveList, static_cast<int>(i));
        click(kRecordMeasurementButton);
    }
    ASSERT_EQ(stored().size(), 2u);

    window.onListClick(kValveList, 0);
    click(kDeleteValveButton);
    ASSERT_EQ(stored().size(), 1u);
    EXPECT_EQ(stored()[0].riferimento, "V2");

    // A new valve that takes the number and designation of a deleted one
    // starts unmeasured.
    listFixedOrifice(u"0,3", u"V2b");
    click(kDeleteTableButton);
    EXPECT_TRUE(stored().empty());
    listFixedOrifice(u"0,3", u"V1");
    EXPECT_EQ(measuredCell(0), u"");
}

TEST_F(MeasurementRecord, TheProtocolAsksForItsSignOffOffersItAgainAndPrintsNothingWhenCancelled)
{
    listFixedOrifice(u"0,5", u"V1");
    measureFixedOrifice(state.projects.at(0).numero_di_materiale, u"100");
    window.onListClick(kValveList, 0);
    click(kRecordMeasurementButton);
    type(kProjectField, u"Schule");
    type(kCustomerField, u"Stadt");
    files.answer = folder.path() / "Export" / "protokoll.pdf";

    std::vector<std::u16string> opened; // date, engineer and the engineer's caption as offered
    const auto answer = [&](int button) {
        return [&, button](WindowLogic& dialog) {
            opened = {dialog.controls()[1202].text, dialog.controls()[1204].text, dialog.controls()[1203].text};
            dialog.controls()[1204].text = u"Anna Berg";
            dialog.onClick(button);
            return dialog.result().value_or(0);
        };
    };
    windows.answer = answer(1217); // Save
    click(kExportButton);
    // The day of the measurement is offered as the commissioning date.
    EXPECT_EQ(opened, (std::vector<std::u16string>{todayIsoDate(), u"", u"Techniker"}));
    ASSERT_EQ(protocols.printed.size(), 1u);
    EXPECT_EQ(protocols.printed[0].signOffFields.at(0).second, todayIsoDate());
    EXPECT_EQ(protocols.printed[0].signOffFields.at(1).second, u"Anna Berg");
    EXPECT_EQ(lastMessage(), u"Datei im Exportordner gespeichert");

    std::filesystem::remove(*files.answer);
    messages.shown.clear();
    windows.answer = answer(1218); // Cancel
    click(kExportButton);
    EXPECT_EQ(opened.at(1), u"Anna Berg");
    EXPECT_EQ(protocols.printed.size(), 1u);
    EXPECT_FALSE(std::filesystem::exists(*files.answer));
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(MeasurementRecord, ACancelledProtocolLeavesNoFileAndSaysNothing)
{
    listFixedOrifice(u"0,5", u"V1");
    type(kProjectField, u"Schule");
    type(kCustomerField, u"Stadt");
    files.answer = folder.path() / "Export" / "protokoll.pdf";
    windows.answer = [](WindowLogic&) { return WindowLogic::kResultOk; };
    protocols.cancelled = true; // the user pressed Cancel in the progress dialog
    click(kExportButton);
    EXPECT_FALSE(std::filesystem::exists(*files.answer));
    EXPECT_TRUE(messages.shown.empty());
}

// Another program deleted V1 but not its readings (or an older version
// left them): the valve added next under number 1 and that designation
// starts unmeasured. A designation look-up the database refuses is told.
TEST_F(MeasurementRecord, ANewValveNeverInheritsAReadingLeftUnderItsNumber)
{
    MeasurementRow stale;
    stale.posizione = 1;
    stale.riferimento = "V1";
    stale.dP = 30.0f;
    stale.date = "2026-01-05";
    ASSERT_EQ(MeasurementStore(db.handle()).record(stale), std::nullopt);
    listFixedOrifice(u"0,5", u"V1");
    ASSERT_EQ(state.projects.size(), 1u);
    EXPECT_EQ(state.projects[0].posizione, 1);
    EXPECT_TRUE(MeasurementStore(db.handle()).load().rows.empty());
    ASSERT_EQ(control(kValveList).rows.size(), 1u);
    EXPECT_EQ(control(kValveList).rows[0].cells.at(kMeasuredColumn), u"");

    fixture::execute(folder.path() / "DB" / "mvd.db", "ALTER TABLE progetti RENAME TO elsewhere;");
    messages.shown.clear();
    type(kDesignationField, u"V2");
    click(kAddButton);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_NE(messages.shown[0].find(u"die Datenbank meldet einen Fehler"), std::u16string::npos) << "in the user's words";
}

} // namespace
