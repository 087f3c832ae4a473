#include "sizing/run_selection.h"

#include "data/number_text.h"
#include "sizing/result_kind.h"
#include "sizing/stage_pending_row.h"
#include "sizing/valve_families.h"

#include <array>
#include <vector>

namespace {

struct Inputs {
    float flow = 0.0f; // in view 9 the presetting
    float dp = 0.0f;
};

template <typename Row>
std::vector<CandidateSummary> summariesOf(const std::vector<Row>& rows)
{
    std::vector<CandidateSummary> summaries;
    summaries.reserve(rows.size());
    for (const Row& row : rows)
        summaries.push_back(summaryOf(row));
    return summaries;
}

// One calculating view: its family code, where its rows and outcome live,
// and how its results reach the three result values.
struct ViewRoute {
    std::int32_t view;
    int resultKind;
    std::size_t (*candidateCount)(const AppState&);
    void (*calculate)(AppState&, ProductDb&, const Inputs&, ChosenRow clicked);
    void (*copyResults)(const AppState&, ResultValues&);
    bool (*noResult)(const AppState&);
    ChosenRow (*chosen)(const AppState&);
    std::vector<CandidateSummary> (*candidates)(const AppState&);
};

const std::array<ViewRoute, 6> kRoutes{{
    {3, FixedOrificeResult,
     [](const AppState& s) { return s.fobvRows.size(); },
     [](AppState& s, ProductDb& db, const Inputs& in, ChosenRow c) { sizeFixedOrifice(s, db, in.flow, in.dp, c); },
     [](const AppState& s, ResultValues& r) {
         r.resultPresetting = s.fobvPresetting;
         r.resultMain = s.fobvKvAtSetting;
         r.resultAux = s.fobvOpening * 100.0f;
     },
     [](const AppState& s) { return s.fobvFound == 0; },
     [](const AppState& s) { return s.fobvChosen; },
     [](const AppState& s) { return summariesOf(s.fobvRows); }},
    {4, FixedOrificeResult,
     [](const AppState& s) { return s.fobvCommRows.size(); },
     [](AppState& s, ProductDb& db, const Inputs& in, ChosenRow c) { measureFixedOrifice(s, db, in.dp, c); },
     [](const AppState& s, ResultValues& r) { r.resultMain = s.fobvMeasuredFlow; },
     [](const AppState& s) { return s.fobvCommFound == 0; },
     [](const AppState& s) { return s.fobvCommChosen; },
     [](const AppState& s) { return summariesOf(s.fobvCommRows); }},
    {5, VariableOrificeResult,
     [](const AppState& s) { return s.vobvRows.size(); },
     [](AppState& s, ProductDb& db, const Inputs& in, ChosenRow c) { sizeVariableOrifice(s, db, in.flow, in.dp, c); },
     [](const AppState& s, ResultValues& r) {
         r.resultPresetting = s.vobvPresetting;
         r.resultMain = s.vobvKvAtSetting;
         r.resultAux = s.vobvOpening * 100.0f;
     },
     [](const AppState& s) { return s.vobvFound == 0; },
     [](const AppState& s) { return s.vobvChosen; },
     [](const AppState& s) { return summariesOf(s.vobvRows); }},
    {8, PressureIndependentResult,
     [](const AppState& s) { return s.picvRows.size(); },
     [](AppState& s, ProductDb& db, const Inputs& in, ChosenRow c) { selectPicv(s, db, in.flow, c); },
     [](const AppState& s, ResultValues& r) {
         r.resultPresetting = s.picvPresetting;
         r.resultMain = s.picvFlowAtSetting;
         r.resultAux = s.picvDpMin; // a pressure, not a percentage
     },
     [](const AppState& s) { return s.picvFound == 0; },
     [](const AppState& s) { return s.picvChosen; },
     [](const AppState& s) { return summariesOf(s.picvRows); }},
    {9, PressureIndependentResult,
     [](const AppState& s) { return s.picvAllRows.size(); },
     [](AppState& s, ProductDb& db, const Inputs& in, ChosenRow c) { checkPicv(s, db, in.dp, in.flow, c); },
     [](const AppState& s, ResultValues& r) { r.resultMain = s.picvCheckResult; },
     [](const AppState& s) { return s.picvCheckFound == 0 || s.picvCheckNoData == 1; },
     [](const AppState& s) { return s.picvCheckRow; },
     [](const AppState& s) { return summariesOf(s.picvAllRows); }},
    {10, DpControllerResult,
     [](const AppState& s) { return s.dpcvRows.size(); },
     [](AppState& s, ProductDb& db, const Inputs& in, ChosenRow c) { selectDpcv(s, db, in.flow, in.dp, c); },
     [](const AppState&, ResultValues&) {},
     [](const AppState& s) { return s.dpcvFound == 0; },
     [](const AppState& s) { return s.dpcvChosen; },
     [](const AppState& s) { return summariesOf(s.dpcvRows); }},
}};

const ViewRoute* routeOf(std::int32_t view)
{
    for (const ViewRoute& route : kRoutes)
        if (route.view == view)
            return &route;
    return nullptr;
}

} // namespace

void runSelection(AppState& state, ProductDb& db, SelectionFields& fields, ResultsPanel& panel)
{
    const ViewRoute* route = routeOf(state.valveView);
    if (!route)
        return;
    const Inputs inputs{parseCommaDecimal(fields.flowInput), parseCommaDecimal(fields.dpInput)};
    ChosenRow clicked;
    if (fields.candidateIndex >= 0 && static_cast<std::size_t>(fields.candidateIndex) < route->candidateCount(state))
        clicked = static_cast<std::size_t>(fields.candidateIndex);

    route->calculate(state, db, inputs, clicked);
    route->copyResults(state, fields.results);
    const bool noResult = route->noResult(state);

    const std::vector<CandidateSummary> candidates = route->candidates(state);
    const ChosenRow chosen = route->chosen(state);
    const CandidateSummary* chosenSummary = chosen ? &candidates[*chosen] : nullptr;
    panel.showResultValues(route->resultKind, noResult, fields.results);
    panel.showValveDetails(route->resultKind, chosenSummary);
    stagePendingRow(state, fields, route->resultKind, chosenSummary, noResult);
    panel.fillCandidateList(route->resultKind, candidates, fields.candidateIndex);
}

ChosenRow chosenRowOfView(const AppState& state, std::int32_t valveView)
{
    const ViewRoute* route = routeOf(valveView);
    return route ? route->chosen(state) : std::nullopt;
}
