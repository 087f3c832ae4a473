#include "tests/sizing/sizing_fixture.h"

#include "sizing/run_selection.h"

#include <string>
#include <vector>

namespace {

// Records the driver's calls to the panel.
class RecordingPanel : public ResultsPanel {
public:
    void showResultValues(int kind, bool noResult, const ResultValues&) override
    {
        calls.push_back("values " + std::to_string(kind) + (noResult ? " none" : " found"));
    }
    void showValveDetails(int kind, const CandidateSummary* chosen) override
    {
        calls.push_back("details " + std::to_string(kind) + " " + (chosen ? chosen->materialNumber : "-"));
    }
    void fillCandidateList(int kind, const std::vector<CandidateSummary>& rows, std::int32_t index) override
    {
        calls.push_back("list " + std::to_string(kind) + " " + std::to_string(rows.size()) + " rows, select " +
                        std::to_string(index));
    }
    std::vector<std::string> calls;
};

const std::string kCatalogue =
    "INSERT INTO fobv VALUES ('Arvelo Quarz', 1.0, 8.0, 0, 8, 0.1, 'DN 25', 'AQ-025', 10.0, 'mquarz');" +
    presetSql("AQ-025", "Arvelo Quarz", {{37, 5.7}}) +
    "INSERT INTO vobv VALUES ('AV-1', 'Arvelo Nodo', 0.1, 20, 0.5, 4.0, 0.1, 'DN 25', 'arvelo_nodo', 0.01, 2.0);"
    "INSERT INTO vobv VALUES ('AV-2', 'Arvelo', 0.1, 20, 0.5, 4.0, 0.1, 'DN 25', 'arvelo', 0.01, 2.0);"
    "INSERT INTO vobv VALUES ('AV-3', 'Arvelo Tesa', 0.1, 20, 0.5, 4.0, 0.1, 'DN 20', 'arvelo_tesa', 0.01, 0.6);"
    "INSERT INTO picv VALUES ('Arvelo Flumen-A', 0.1, 1.0, 'AF-1', 400, 'DN 20', 0, 5, 0.1, 'mflumen_a');"
    "INSERT INTO dpcv VALUES ('Arvelo Statra-A', 0.1, 2.0, 5, 25, 'AS-1', 'DN 25', 'mstatra_a');";

using RunSelection = SizingTest;

TEST_F(RunSelection, ViewsWithoutACalculationChangeNothing)
{
    startWith(kCatalogue);
    calculate(3, "0,5", "100");
    const AppState before = state;
    for (const std::int32_t view : {0, 2, 6, 7}) {
        RecordingPanel recorder;
        state.valveView = view;
        fields.candidateIndex = 0;
        runSelection(state, db, fields, recorder);
        EXPECT_TRUE(recorder.calls.empty()) << "view " << view;
        EXPECT_EQ(fields.results.resultPresetting, 3.7f) << "view " << view;
        EXPECT_EQ(state.pendingRow.presetting, before.pendingRow.presetting);
        EXPECT_EQ(state.fobvRows.size(), before.fobvRows.size());
    }
}

struct RouteCase {
    std::int32_t view;
    const char* flow;
    std::vector<std::string> calls;
};

TEST_F(RunSelection, RefreshesThePanelInOrderWithTheViewsFamilyCode)
{
    const RouteCase cases[] = {
        {3, "0,5", {"values 0 found", "details 0 AQ-025", "list 0 1 rows, select -1"}},
        {4, "", {"values 0 none", "details 0 -", "list 0 1 rows, select -1"}},
        {5, "0,5", {"values 1 found", "details 1 AV-2", "list 1 3 rows, select -1"}},
        {8, "0,5", {"values 10 found", "details 10 AF-1", "list 10 1 rows, select -1"}},
        {9, "0,5", {"values 10 none", "details 10 -", "list 10 1 rows, select -1"}},
        {10, "0,5", {"values 11 found", "details 11 AS-1", "list 11 1 rows, select -1"}},
    };
    startWith(kCatalogue);
    for (const RouteCase& c : cases) {
        RecordingPanel recorder;
        state.valveView = c.view;
        fields.flowInput = c.flow;
        fields.dpInput = "100";
        runSelection(state, db, fields, recorder);
        EXPECT_EQ(recorder.calls, c.calls) << "view " << c.view;
    }
}

TEST_F(RunSelection, AClickedRowStaysChosenWhileTheListReachesIt)
{
    startWith(kCatalogue);
    calculate(5, "0,5", "100");
    EXPECT_EQ(state.vobvChosen, 1u) << "the preferred model";
    EXPECT_EQ(shown().selectedRow, -1) << "nothing selected without a click";

    click(2);
    EXPECT_EQ(state.vobvChosen, 2u);
    EXPECT_EQ(shown().selectedRow, 2);
    calculate(5, "0,5", "100"); // Enter with the same inputs
    EXPECT_EQ(state.vobvChosen, 2u);
    EXPECT_EQ(chosenRowOfView(state, 5), 2u);

    calculate(5, "1,0", "100"); // AV-3 no longer covers the flow
    ASSERT_EQ(state.vobvRows.size(), 2u);
    EXPECT_EQ(state.vobvChosen, 1u) << "the preferred model again";
    EXPECT_EQ(shown().selectedRow, -1);
    EXPECT_EQ(fields.candidateIndex, 2) << "editing does not reset the click";
}

TEST_F(RunSelection, StagesTheSelectionAsAValveListRow)
{
    startWith(kCatalogue);
    fields.supplyTempInput = "70";
    fields.returnTempInput = "55,5";
    fields.powerInput = "12";
    state.engine.fluidIndex = 3;
    calculate(3, "0,5,3", "100"); // read as 0.5; the text stays as typed
    EXPECT_EQ(fields.flowInput, "0,5,3");
    const ProjectRow& row = state.pendingRow;
    EXPECT_EQ(row.nome_tipo, "Arvelo Quarz");
    EXPECT_EQ(row.dimensione, "DN 25");
    EXPECT_EQ(row.numero_di_materiale, "AQ-025");
    EXPECT_EQ(row.portata, 0.5f);
    EXPECT_EQ(row.dP, 100.0f);
    EXPECT_EQ(row.fluido, 3);
    EXPECT_EQ(row.t_mandata, 70.0f);
    EXPECT_EQ(row.t_ritorno, 55.5f);
    EXPECT_EQ(row.potenza, 12.0f);
    EXPECT_EQ(row.presetting, "3,70");
    EXPECT_EQ(row.apertura, "46,25");
    EXPECT_EQ(row.muP, "mbar");
    EXPECT_EQ(row.muQ, "l/s");
    EXPECT_EQ(row.muPower, "kW");
    EXPECT_EQ(row.muTemp, "C");

    // Nothing found: only the unit labels follow.
    state.engine.pressureUnitIndex = 0;
    calculate(3, "0,5", "0");
    EXPECT_EQ(row.muP, "kPa");
    EXPECT_EQ(row.dP, 100.0f);
    EXPECT_EQ(row.presetting, "3,70");

    calculate(10, "1", "10");
    EXPECT_EQ(row.nome_tipo, "Arvelo Statra-A");
    EXPECT_EQ(row.presetting, "");
    EXPECT_EQ(row.kv, "");
    EXPECT_EQ(row.apertura, "");
}

TEST_F(RunSelection, ResultValuesCopiedPerView)
{
    startWith(kCatalogue);
    calculate(3, "0,5", "100");
    EXPECT_EQ(fields.results.resultAux, 46.25f) << "the opening in percent";
    calculate(10, "1", "100");
    EXPECT_EQ(fields.results.resultPresetting, 3.7f) << "the controller copies nothing";
    EXPECT_EQ(fields.results.resultMain, 5.7f);
}

struct BeyondFloatCase {
    std::int32_t view;
    bool clicks; // the commissioning views calculate for a clicked row
    std::string flow;
    std::string dp;
};

// A number too large for a float reads as infinity. Every view then shows
// the no-result state, never "inf" nor a verdict on an infinite pressure,
// and stages nothing for the valve list.
TEST_F(RunSelection, ANumberBeyondTheFloatRangeGivesNoResult)
{
    const std::string huge = "1" + std::string(40, '0');
    const BeyondFloatCase cases[] = {
        {3, false, huge, "100"}, {3, false, "0,5", huge}, {4, true, "", huge},   {5, false, huge, "100"},
        {8, false, huge, "100"}, {9, true, "0,5", huge},  {9, true, huge, "100"}, {10, false, "1", huge},
    };
    startWith(kCatalogue + startupSql("AF-1", "Arvelo Flumen-A", {{5, 20.0}}));
    for (const BeyondFloatCase& c : cases) {
        calculate(3, "0,5", "100");
        const ProjectRow staged = state.pendingRow;
        fields.candidateIndex = -1;
        calculate(c.view, c.flow, c.dp);
        if (c.clicks)
            click(0);
        const std::string name = "view " + std::to_string(c.view) + " flow " + c.flow.substr(0, 8) + " dp " +
                                 c.dp.substr(0, 8);
        EXPECT_EQ(shown().status, u"No type series\u00A0/ nominal size available") << name;
        if (c.view != 10) {
            EXPECT_EQ(shown().first, u"---") << name;
            EXPECT_EQ(shown().second, u"---") << name;
        }
        EXPECT_EQ(chosenRowOfView(state, c.view), std::nullopt) << name;
        EXPECT_EQ(state.pendingRow.numero_di_materiale, staged.numero_di_materiale) << name;
        EXPECT_EQ(state.pendingRow.dP, staged.dP) << name;
    }
}

} // namespace
