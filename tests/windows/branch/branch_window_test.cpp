// The branch window's logic against its control model, as the generic host
// drives it: cells typed one by one, buttons clicked, the saved branches.

#include "tests/windows/branch/branch_window_fixture.h"

#include "db/measurement_store.h"

#include "tests/support/file_bytes.h"
#include "tests/support/fixture_db.h"
#include "commissioning/branch_protocol_charts.h"

#include <functional>
#include <utility>

namespace {


// The flow calculation window's power, temperatures and Save.
constexpr int kPower = 1086;
constexpr int kSupply = 1087;
constexpr int kReturn = 1089;
constexpr int kSave = 1088;

// Answers the flow calculation window with a heat load, keeping what it offered.
std::function<int(WindowLogic&)> heatLoadAnswer(std::vector<std::u16string>& offered, const std::u16string& power,
                                                const std::u16string& supply, const std::u16string& back)
{
    return [&offered, power, supply, back](WindowLogic& dialog) {
        offered = {dialog.controls()[kPower].text, dialog.controls()[kSupply].text, dialog.controls()[kReturn].text};
        for (const auto& [id, text] : {std::pair{kPower, power}, {kSupply, supply}, {kReturn, back}}) {
            dialog.controls()[id].text = text;
            dialog.onTextChanged(id);
        }
        dialog.onClick(kSave);
        return dialog.result().value_or(0);
    };
}

// A circuit's flow from its heat load: the program's flow calculation window,
// its entries offered again for the next circuit.
TEST_F(BranchWindowTest, FlowCalculationFillsTheCurrentCircuitsFlowFromItsHeatLoad)
{
    typeRow(0, u"R1", u"0,5", u"10", u"4", u"Arvelo Quarz");
    std::vector<std::u16string> offered;
    windows.answer = heatLoadAnswer(offered, u"20,9", u"70", u"60");
    // The row for a new circuit is current: 20,9 kW at 10 K is about 0,5 l/s of water.
    table().selectedRow = 1;
    window->onClick(kFlowCalculationButton);
    EXPECT_EQ(offered, (std::vector<std::u16string>{u"0,00", u"20,00", u"15,00"}));
    ASSERT_EQ(window->branch().circuits.size(), 2u);
    EXPECT_NEAR(window->branch().circuits[1].flow, 0.5f, 0.01f);
    EXPECT_EQ(row(1)[1], u"0,50");
    EXPECT_EQ(table().rows.size(), 3u) << "a new row is left for the next circuit";

    // The first circuit's flow from the same entries, offered again.
    table().selectedRow = 0;
    window->onClick(kFlowCalculationButton);
    EXPECT_EQ(offered, (std::vector<std::u16string>{u"20,9", u"70", u"60"}));
    EXPECT_NEAR(window->branch().circuits[0].flow, 0.5f, 0.01f);

    // Cancelled: the flow stays.
    windows.answer = [](WindowLogic&) { return 0; };
    window->onClick(kFlowCalculationButton);
    EXPECT_NEAR(window->branch().circuits[0].flow, 0.5f, 0.01f);
}

// The heat load stays with its circuit: saved with the branch, offered
// again for that circuit, and carried into the valve list; a flow typed
// over it drops it.
TEST_F(BranchWindowTest, AHeatLoadStaysWithItsCircuitUntilAFlowIsTyped)
{
    typeWorkedExample();
    std::vector<std::u16string> offered;
    windows.answer = heatLoadAnswer(offered, u"20,9", u"70", u"60");
    table().selectedRow = 0;
    window->onClick(kFlowCalculationButton);

    openWindow();
    window->controls()[kSavedList].currentIndex = 0;
    window->onClick(kOpenButton);
    ASSERT_EQ(window->branch().circuits.size(), 4u);
    EXPECT_FALSE(window->branch().circuits[1].heatLoad) << "a typed flow";
    const std::optional<CircuitHeatLoad>& load = window->branch().circuits[0].heatLoad;
    ASSERT_TRUE(load);
    EXPECT_FLOAT_EQ(load->power, 20.9f);
    EXPECT_EQ(load->powerUnit, "kW");
    EXPECT_EQ(load->supplyTemperature, 70.0f);
    EXPECT_EQ(load->returnTemperature, 60.0f);
    EXPECT_EQ(load->temperatureUnit, "C");

    table().selectedRow = 0;
    windows.answer = heatLoadAnswer(offered, u"20,9", u"70", u"60");
    window->onClick(kFlowCalculationButton);
    EXPECT_EQ(offered, (std::vector<std::u16string>{u"20,90", u"70,00", u"60,00"})) << "the circuit's own";

    window->onClick(kCalculateButton);
    window->onClick(kAddButton);
    ASSERT_EQ(state.projects.size(), 4u);
    EXPECT_FLOAT_EQ(state.projects[0].potenza, 20.9f);
    EXPECT_EQ(state.projects[0].muPower, "kW");
    EXPECT_EQ(state.projects[0].t_mandata, 70.0f);
    EXPECT_EQ(state.projects[0].t_ritorno, 60.0f);
    EXPECT_EQ(state.projects[1].potenza, 0.0f) << "no heat load: its temperatures are not printed";

    type(0, 1, u"0,6");
    EXPECT_FALSE(window->branch().circuits[0].heatLoad);
}

TEST_F(BranchWindowTest, TypedCellsMakeCircuitsWithARowLeftForTheNext)
{
    ASSERT_EQ(table().rows.size(), 1u) << "an empty row for the first circuit";
    EXPECT_EQ(table().columns.at(1).header, u"Flow rate (l/s)");
    EXPECT_EQ(table().columnChoices.at(4),
              (std::vector<std::u16string>{u"Arvelo Quarz", u"Arvelo / Arvelo Nodo", u"Arvelo Flumen"}));
    type(0, 0, u"R1");
    ASSERT_EQ(table().rows.size(), 2u);
    EXPECT_EQ(row(0), (std::vector<std::u16string>{u"R1", u"0,00", u"0,00", u"0,00", u"Arvelo Quarz", u"", u"", u"",
                                                   u"", u""}))
        << "no pipe section and no control valve";
    type(0, 1, u"0.5");
    type(0, 2, u"12,345");
    type(0, 3, u"-4");   // not a loss: the cell shows the circuit's value again
    type(0, 4, u"Ball"); // not a kind either
    EXPECT_EQ(row(0), (std::vector<std::u16string>{u"R1", u"0,50", u"12,35", u"0,00", u"Arvelo Quarz", u"", u"", u"",
                                                   u"", u""}));
    EXPECT_EQ(window->branch().circuits.at(0).circuitLoss, 12.345f);
    type(1, 2, u""); // an empty cell of the new row makes no circuit
    EXPECT_EQ(window->branch().circuits.size(), 1u);
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(BranchWindowTest, CalculatesShowsTheHeadTheIndexAndTheChartUntilTheNextChange)
{
    typeWorkedExample();
    window->onClick(kCalculateButton);
    ControlModel& c = window->controls();
    // The duty point: the head, and the flow of all four circuits, 0.5 + 0.3 + 2.5 + 0.5 = 3.8 l/s.
    EXPECT_EQ(c[kPumpHeadLabel].text, u"Pump head (kPa): 35,00    Total flow (l/s): 3,80");
    EXPECT_EQ(c[kIndexLabel].text, u"Index circuit: 3 P3");
    ASSERT_EQ(c[kResultList].rows.size(), 4u);
    EXPECT_EQ(c[kResultList].rows[2].cells[0], u"\u25B6 3");
    EXPECT_EQ(c[kResultList].rows[0].cells[6], u"21,00");
    EXPECT_EQ(c[kResultList].selectedRow, 2);
    EXPECT_NE(c[kChart].svg.find("index-circuit"), std::string::npos);
    EXPECT_TRUE(c[kAddButton].enabled);

    // R4 now needs 14 + 30 + 5.0625 (AQ-025 fully open at 0.5 l/s) kPa: the results are stale
    type(3, 2, u"30");
    EXPECT_TRUE(c[kResultList].rows.empty());
    EXPECT_TRUE(c[kPumpHeadLabel].text.empty());
    EXPECT_TRUE(c[kChart].svg.empty());
    EXPECT_FALSE(c[kAddButton].enabled);
    EXPECT_FALSE(window->onKeyDown(WindowLogic::Key::Return, kCircuitTable)) << "the table's own: next cell";
    EXPECT_TRUE(c[kPumpHeadLabel].text.empty());
    EXPECT_TRUE(window->onKeyDown(WindowLogic::Key::Return, kNameField)) << "Return calculates";
    EXPECT_EQ(c[kPumpHeadLabel].text, u"Pump head (kPa): 49,06    Total flow (l/s): 3,80");
    EXPECT_EQ(c[kIndexLabel].text, u"Index circuit: 4 R4");
}

TEST_F(BranchWindowTest, RowsAreDeletedAndMovedAtTheSelectedRow)
{
    typeWorkedExample();
    const auto designations = [this] {
        std::vector<std::string> names;
        for (const BranchCircuit& circuit : window->branch().circuits)
            names.push_back(circuit.designation);
        return names;
    };
    table().selectedRow = 1;
    window->onClick(kMoveUpButton);
    EXPECT_EQ(designations(), (std::vector<std::string>{"R2", "R1", "P3", "R4"}));
    EXPECT_EQ(table().selectedRow, 0) << "the selection follows the row";
    window->onClick(kMoveUpButton); // already first
    table().selectedRow = 2;
    window->onClick(kMoveDownButton);
    EXPECT_EQ(designations(), (std::vector<std::string>{"R2", "R1", "R4", "P3"}));
    window->onClick(kMoveDownButton); // already last
    window->onClick(kDeleteRowButton);
    EXPECT_EQ(designations(), (std::vector<std::string>{"R2", "R1", "R4"}));
    table().selectedRow = 3; // the empty row
    window->onClick(kDeleteRowButton);
    EXPECT_EQ(designations().size(), 3u);
    EXPECT_EQ(table().rows.size(), 4u);
}

TEST_F(BranchWindowTest, AddsEverySizedValveAndSkipsADesignationTheListHas)
{
    window->onClick(kAddButton);
    EXPECT_EQ(messages.shown, (std::vector<std::u16string>{u"Calculate the branch first."}));
    messages.shown.clear();

    fixture::execute(folder.path() / "DB" / "mvd.db",
                     "INSERT INTO progetti (posizione, riferimento) VALUES (7, 'R2');");
    typeWorkedExample();
    window->onClick(kCalculateButton);
    window->onClick(kAddButton);
    EXPECT_EQ(messages.shown,
              (std::vector<std::u16string>{u"Designation R2 already exists: skipped.\n3 valves added to the valve list."}));
    ASSERT_EQ(state.projects.size(), 4u);
    const ProjectRow& r1 = state.projects[1];
    EXPECT_EQ(r1.posizione, 8) << "numbered after the last row";
    EXPECT_EQ(r1.riferimento, "R1");
    EXPECT_EQ(r1.numero_di_materiale, "AQ-025");
    EXPECT_EQ(r1.dP, 21.0f);
    EXPECT_EQ(r1.portata, 0.5f);
    EXPECT_EQ(r1.presetting, "3,30");
    EXPECT_EQ(r1.apertura, "41,25");
    EXPECT_EQ(r1.muP, "kPa");
    const ProjectRow& p3 = state.projects[2];
    EXPECT_EQ(p3.riferimento, "P3");
    EXPECT_EQ(p3.kv, "2,00") << "the flow at the presetting, as the window lists it";
    EXPECT_EQ(p3.apertura, "");
}

// The branch window adds by the valve list's one rule: a reading left
// under the number and designation a valve gets is not the new valve's,
// and a database that refuses the designation look-up is told, not taken
// for a free designation.
TEST_F(BranchWindowTest, AddedValvesNeverInheritAReadingAndARefusalIsTold)
{
    const std::filesystem::path database = folder.path() / "DB" / "mvd.db";
    MeasurementRow stale;
    stale.posizione = 2;
    stale.riferimento = "R2";
    stale.dP = 30.0f;
    stale.date = "2026-01-05";
    ASSERT_EQ(MeasurementStore(db.handle()).record(stale), std::nullopt);
    typeWorkedExample();
    window->onClick(kCalculateButton);
    window->onClick(kAddButton);
    EXPECT_EQ(messages.shown, (std::vector<std::u16string>{u"4 valves added to the valve list."}));
    ASSERT_EQ(state.projects.size(), 4u);
    EXPECT_EQ(state.projects[1].posizione, 2);
    EXPECT_EQ(state.projects[1].riferimento, "R2");
    EXPECT_TRUE(MeasurementStore(db.handle()).load().rows.empty());

    fixture::execute(database, "DELETE FROM progetti; ALTER TABLE progetti RENAME TO elsewhere;");
    messages.shown.clear();
    window->onClick(kAddButton);
    EXPECT_EQ(messages.shown,
              (std::vector<std::u16string>{u"The valve could not be added to the valve list: the database reported an error\n"
                                           u"0 valves added to the valve list."}));
}

// The chart as the window shows it, written to the file the user chose.
TEST_F(BranchWindowTest, TheChartIsExportedAsAnSvgFileOnceCalculated)
{
    EXPECT_FALSE(window->controls()[kExportChartButton].enabled);
    window->onClick(kExportChartButton);
    EXPECT_EQ(messages.shown, (std::vector<std::u16string>{u"Calculate the branch first."}));
    EXPECT_TRUE(files.askedTitle.empty()) << "no file is asked for";
    messages.shown.clear();

    typeWorkedExample();
    window->onClick(kCalculateButton);
    EXPECT_TRUE(window->controls()[kExportChartButton].enabled);
    files.answer = folder.path() / "riser.svg";
    window->onClick(kExportChartButton);
    EXPECT_EQ(files.askedFolder, folder.path());
    ASSERT_EQ(files.offeredTypes.size(), 1u);
    EXPECT_EQ(files.offeredTypes[0].suffix, u"svg");
    EXPECT_EQ(fileBytes(folder.path() / "riser.svg"), window->controls()[kChart].svg);
    EXPECT_EQ(messages.shown, (std::vector<std::u16string>{u"File saved in export folder"}));

    files.answer.reset(); // cancelled
    window->onClick(kExportChartButton);
    EXPECT_EQ(messages.shown.size(), 1u);

    files.answer = folder.path() / "missing" / "riser.svg";
    window->onClick(kExportChartButton);
    ASSERT_EQ(messages.shown.size(), 2u);
    EXPECT_EQ(messages.shown[1].rfind(u"The file " + files.answer->u16string() + u" could not be saved: ", 0), 0u)
        << "a file that cannot be written is reported, not reported as saved";
}

TEST_F(BranchWindowTest, SavesAsTheUserGoesAndOpensRenamesAndDeletes)
{
    typeWorkedExample();
    EXPECT_EQ(window->savedName(), "Branch 1");
    EXPECT_EQ(window->controls()[kNameField].text, u"Branch 1");
    window->controls()[kMinimumDpField].text = u"4";
    window->onTextChanged(kMinimumDpField);

    openWindow(); // closed without a question: everything is saved
    ControlModel& c = window->controls();
    EXPECT_EQ(c[kSavedList].entries, (std::vector<std::u16string>{u"Branch 1"}));
    EXPECT_TRUE(window->branch().circuits.empty()) << "a new window starts a new branch";
    typeRow(0, u"Z", u"0,5", u"1", u"1", u"Arvelo Quarz");
    EXPECT_EQ(window->savedName(), "Branch 2");

    c[kSavedList].currentIndex = 0;
    window->onClick(kOpenButton);
    ASSERT_EQ(window->branch().circuits.size(), 4u);
    EXPECT_EQ(window->branch().settings.limits.minimumStaticDp, 4.0f);
    EXPECT_EQ(c[kMinimumDpField].text, u"4,00");
    EXPECT_EQ(table().rows.size(), 5u);

    c[kNameField].text = u"Branch 2";
    window->onClick(kRenameButton);
    EXPECT_EQ(messages.shown, (std::vector<std::u16string>{u"A branch named Branch 2 exists already."}));
    c[kNameField].text = u"Riser North";
    window->onClick(kRenameButton);
    EXPECT_EQ(c[kSavedList].entries, (std::vector<std::u16string>{u"Branch 2", u"Riser North"}));
    EXPECT_EQ(c[kSavedList].currentIndex, 1);

    window->onClick(kDeleteButton); // the open branch: the window starts a new one
    EXPECT_EQ(c[kSavedList].entries, (std::vector<std::u16string>{u"Branch 2"}));
    EXPECT_TRUE(window->branch().circuits.empty());
    EXPECT_EQ(c[kNameField].text, u"");
    EXPECT_EQ(table().rows.size(), 1u);
}

TEST_F(BranchWindowTest, ATypedNameOfAnotherBranchNeverOverwritesIt)
{
    typeRow(0, u"A", u"0,5", u"1", u"1", u"Arvelo Quarz");
    openWindow();
    window->controls()[kNameField].text = u"Branch 1";
    typeRow(0, u"B", u"0,5", u"1", u"1", u"Arvelo Quarz");
    EXPECT_EQ(messages.shown, (std::vector<std::u16string>{u"A branch named Branch 1 exists already."}));
    EXPECT_EQ(window->savedName(), "Branch 2");
    openWindow();
    window->controls()[kSavedList].currentIndex = 0;
    window->onClick(kOpenButton);
    EXPECT_EQ(window->branch().circuits.at(0).designation, "A");
}

TEST_F(BranchWindowTest, ARefusedSaveIsReportedOnce)
{
    typeRow(0, u"A", u"0,5", u"1", u"1", u"Arvelo Quarz");
    fixture::execute(folder.path() / "DB" / "mvd.db",
                     "CREATE TRIGGER refuse BEFORE UPDATE ON rami BEGIN SELECT RAISE(ABORT, 'refused'); END;");
    type(0, 2, u"5");
    type(0, 3, u"6");
    EXPECT_EQ(messages.shown, (std::vector<std::u16string>{u"The branch could not be saved."}));
    fixture::execute(folder.path() / "DB" / "mvd.db", "DROP TRIGGER refuse;");
    type(0, 2, u"7");
    type(0, 3, u"8");
    EXPECT_EQ(messages.shown.size(), 1u) << "saved again";
    openWindow();
    window->controls()[kSavedList].currentIndex = 0;
    window->onClick(kOpenButton);
    EXPECT_EQ(window->branch().circuits.at(0).riserLoss, 8.0f) << "nothing lost once the save works";
}

TEST_F(BranchWindowTest, SettingsAreTypedInThePressureUnitInForce)
{
    state.engine.pressureUnitIndex = 8; // mbar
    openWindow();
    ControlModel& c = window->controls();
    EXPECT_EQ(c[kMinimumDpCaption].text, u"Minimum dP static valve (mbar)");
    EXPECT_EQ(c[kMinimumDpField].text, u"30,00");
    EXPECT_EQ(c[kNoiseLimitField].text, u"250,00");
    c[kNoiseLimitField].text = u"200";
    window->onTextChanged(kNoiseLimitField);
    EXPECT_FLOAT_EQ(window->branch().settings.limits.noiseLimit, 20.0f);
    c[kNoiseLimitField].text = u"20x"; // the numeric filter refuses it
    window->onTextChanged(kNoiseLimitField);
    EXPECT_EQ(c[kNoiseLimitField].text, u"200");
}

} // namespace

namespace {

TEST_F(BranchWindowTest, TheProtocolChartsAreThoseOfBranchesWithValvesInTheList)
{
    typeWorkedExample(); // saved as Branch 1
    openWindow();
    typeRow(0, u"elsewhere", u"0,5", u"1", u"1", u"Arvelo Quarz"); // Branch 2
    EXPECT_TRUE(branchChartsOfValveList(state, db).empty()) << "an empty valve list";

    ProjectRow listed;
    listed.posizione = 1;
    listed.riferimento = "P3";
    state.projects = {listed};
    const std::vector<std::string> charts = branchChartsOfValveList(state, db);
    ASSERT_EQ(charts.size(), 1u);
    EXPECT_NE(charts[0].find("Branch – Branch 1"), std::string::npos);
    EXPECT_NE(charts[0].find("Pump head (kPa) 35,00"), std::string::npos);
}

} // namespace
