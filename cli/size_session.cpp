#include "cli/size_session.h"

#include "app/unit_conversion.h"
#include "cli/outcome_figures.h"
#include "cli/startup_state.h"
#include "data/figure_text.h"
#include "data/number_text.h"
#include "data/text_format.h"
#include "data/text_table.h"
#include "data/valve_models.h"
#include "sizing/presetting_curve.h"
#include "sizing/run_selection.h"
#include "plot/presetting_curve_svg.h"
#include "sizing/result_captions.h"
#include "sizing/results_panel_texts.h"

#include <array>
#include <system_error>

namespace fs = std::filesystem;

namespace {

constexpr int kTextTypeSeries = 32;

// What the settings dialogs would have saved before the calculation.
void applySettings(AppState& state, const RunSettings& settings, const Duty& duty)
{
    state.languageIndex = settings.languageIndex;
    for (const auto& [kind, name] : settings.preferred) {
        state.engine.modelNames[kind].preferred = name;
        if (kind == FixedOrificeKind) // one model only: both names follow
            state.engine.modelNames[kind].alternative = name;
    }
    for (const auto& [kind, name] : settings.alternative) {
        state.engine.modelNames[kind].alternative = name;
        if (kind == FixedOrificeKind)
            state.engine.modelNames[kind].preferred = name;
    }
    if (settings.dpMin)
        state.engine.dpMin = *settings.dpMin;
    if (settings.dpMax)
        state.engine.dpMax = *settings.dpMax;
    state.engine.flowUnitIndex = duty.flowUnitIndex;
    state.engine.pressureUnitIndex = duty.pressureUnitIndex;
    state.engine.fluidIndex = duty.fluidIndex;
    state.valveView = duty.view;
    state.workMode = (duty.view == 4 || duty.view == 9) ? 1 : 0;
}

void fillOutcome(const AppState& state, const ResultsPanelTexts& panel, const ResultValues& computed, const Duty& duty,
                 SizeOutcome& outcome)
{
    outcome = SizeOutcome{};
    outcome.view = duty.viewName;
    outcome.found = panel.status == TextTable::text(state.languageIndex, kTextTypeSeries);
    outcome.chosen = chosenRowOfView(state, duty.view);
    for (const CandidateListRow& row : panel.candidates)
        outcome.candidates.push_back(
            {utf16ToUtf8(row.model), utf16ToUtf8(row.materialNumber), utf16ToUtf8(row.nominalSize)});
    outcome.status = utf16ToUtf8(panel.status);
    outcome.resultValues = {computed.resultPresetting, computed.resultMain, computed.resultAux};
    const std::array<ResultCaption, 3> captions = resultCaptions(state, duty.view);
    const std::array<std::string*, 3> results{&outcome.result1, &outcome.result2, &outcome.result3};
    const std::array<const std::u16string*, 3> values{&panel.first, &panel.second, &panel.third};
    for (std::size_t i = 0; i < captions.size(); ++i) {
        if (!captions[i].shown)
            continue;
        *results[i] = utf16ToUtf8(*values[i]);
        outcome.fields.push_back({utf16ToUtf8(captions[i].text), *results[i]});
    }
    outcome.details = utf16ToUtf8(panel.details);
    outcome.flowUnit = flowUnitLabel(state);
    outcome.pressureUnit = pressureUnitLabel(state);
}

} // namespace

SizeSession::SizeSession(std::ostream& sqlErrors) : db_(sqlErrors) {}

std::string SizeSession::open(const fs::path& database)
{
    std::error_code error;
    if (!fs::is_regular_file(database, error))
        return "no catalogue database at " + database.string() + "; make one with 'arvelo-catalogue " +
               database.string() + "'";
    if (!db_.openReadOnly(database))
        return "cannot open the catalogue database " + database.string();
    if (!db_.checkFluidTable())
        return database.string() + " is not an Arvelo catalogue (no table fluidi)";
    startState_ = startupState(db_);
    return {};
}

std::string SizeSession::run(const Duty& duty, const RunSettings& settings, SizeOutcome& outcome,
                             std::string* curveSvg)
{
    AppState state = startState_;
    applySettings(state, settings, duty);
    SelectionFields fields;
    fields.flowInput = duty.flowText;
    fields.dpInput = duty.dpText;
    ResultsPanelModel panel(state);
    runSelection(state, db_, fields, panel);
    if (duty.pick) {
        const std::size_t rows = panel.texts().candidates.size();
        if (*duty.pick >= rows)
            return "pick " + std::to_string(*duty.pick) + ": the candidate list has " + std::to_string(rows) +
                   (rows == 1 ? " row" : " rows") + (rows ? " (0 is the first)" : "");
        fields.candidateIndex = static_cast<std::int32_t>(*duty.pick);
        runSelection(state, db_, fields, panel);
        if (const auto& scale = state.picvCheckOffScale)
            return "presetting " + formatFigure(parseCommaDecimal(duty.flowText)) + " is off the scale of " +
                   state.picvAllRows[*duty.pick].technicalCode + ", " + formatFigure(scale->start) + " to " +
                   formatFigure(scale->full);
    }
    fillOutcome(state, panel.texts(), fields.results, duty, outcome);
    addFigures(state, db_, duty, outcome);
    if (curveSvg) {
        const std::optional<PresettingCurve> curve = presettingCurve(state, db_, duty.view);
        if (curve && !curveIsDrawable(*curve))
            return "the presetting curve of " + curve->model + " " + curve->nominalSize + " (" + curve->technicalCode +
                   ") cannot be drawn: the catalogue holds values for it that are not finite numbers or too large";
        *curveSvg = curve ? presettingCurveSvg(*curve, state.languageIndex, flowUnitLabel(state)) : std::string();
    }
    return {};
}
