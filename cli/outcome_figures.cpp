#include "cli/outcome_figures.h"

#include "cli/comma_number.h"

#include "app/unit_conversion.h"
#include "data/number_text.h"
#include "data/text_format.h"
#include "data/text_table.h"
#include "db/product_db.h"
#include "sizing/flow_coefficient.h"
#include "sizing/hydraulic_factors.h"
#include "sizing/result_kind.h"
#include "sizing/scale_position.h"
#include "sizing/valve_families.h"
#include "data/figure_text.h"
#include "data/fluid_name.h"

#include <array>
#include <cmath>

namespace {

// Texts of the table that the command line shows.
constexpr int kTextSizing = 0;
constexpr int kTextCommissioning = 1;
constexpr int kTextFlowRate = 18;
constexpr int kTextDpValve = 19;
constexpr int kTextPresetting = 20;
constexpr int kTextDpBranch = 21;
constexpr int kTextDpMin = 29;
constexpr int kTextInsufficient = 31;
constexpr int kTextFluid = 55;
constexpr int kTextValveFound = 141;
constexpr int kTextNoValveFits = 142;
constexpr int kTextSufficient = 143;
constexpr int kTextRequired = 144;
constexpr int kTextFullOpening = 145;
constexpr int kTextBelowScale = 146;
constexpr int kTextMeasuredDp = 147;
constexpr int kTextNoMinimum = 148;

constexpr int kNone = -1;
const std::string kKvUnit = "m³/h"; // Kv is the flow in m3/h at a pressure drop of 1 bar

// What each view reads and shows: the valve type's caption (80 to 83), the
// captions of the flow and pressure inputs, and the names of result1 to
// result3 as numbers.
struct ViewFigures {
    std::int32_t view;
    int valveType;
    int flowCaption;
    int dpCaption;
    std::array<const char*, 3> results;
};

constexpr std::array<ViewFigures, 6> kViewFigures{{
    {3, 80, kTextFlowRate, kTextDpValve, {"presetting", "kv", "opening_percent"}},
    {4, 80, kNone, kTextMeasuredDp, {nullptr, "flow", nullptr}},
    {5, 81, kTextFlowRate, kTextDpValve, {"presetting", "kv", "opening_percent"}},
    {8, 82, kTextFlowRate, kNone, {"presetting", "flow", "dp_min"}},
    {9, 82, kTextPresetting, kTextMeasuredDp, {nullptr, nullptr, nullptr}},
    {10, 83, kTextFlowRate, kTextDpBranch, {nullptr, nullptr, nullptr}},
}};

const ViewFigures* figuresOfView(std::int32_t view)
{
    for (const ViewFigures& entry : kViewFigures)
        if (entry.view == view)
            return &entry;
    return nullptr;
}

std::string withCommaDecimal(std::string text)
{
    for (char& c : text)
        if (c == '.')
            c = ',';
    return text;
}

class FigureWriter {
public:
    FigureWriter(const AppState& state, const Duty& duty, SizeOutcome& outcome)
        : state_(state), duty_(duty), outcome_(outcome)
    {
    }

    std::string text(int id) const { return TextTable::utf8(state_.languageIndex, id); }
    std::string captioned(int id, const std::string& unit) const
    {
        return utf16ToUtf8(formatText(TextTable::text(state_.languageIndex, id), {utf8ToUtf16(unit)}));
    }

    void echoDuty(const ViewFigures& figures)
    {
        SizeOutcome::Echo& echo = outcome_.duty;
        echo.heading = text(state_.workMode == 1 ? kTextCommissioning : kTextSizing) + " - " + text(figures.valveType);
        // An input the view does not read was not understood as anything.
        echo.flow = figures.flowCaption != kNone ? withCommaDecimal(duty_.flowText) : std::string();
        echo.dp = figures.dpCaption != kNone ? withCommaDecimal(duty_.dpText) : std::string();
        echo.pick = duty_.pick;
        echo.fluid = duty_.fluidIndex;
        echo.fluidName = utf16ToUtf8(fluidName(duty_.fluidIndex, state_.languageIndex));
        if (figures.flowCaption != kNone)
            echo.lines.push_back({captioned(figures.flowCaption, outcome_.flowUnit), echo.flow});
        if (figures.dpCaption != kNone)
            echo.lines.push_back({captioned(figures.dpCaption, outcome_.pressureUnit), echo.dp});
        echo.lines.push_back({text(kTextFluid), echo.fluidName});
    }

    std::string unitOf(const std::string& name) const
    {
        if (name == "kv" || name == "kv_required")
            return kKvUnit;
        if (name == "opening_percent")
            return "%";
        if (name == "flow")
            return outcome_.flowUnit;
        if (name == "dp_min")
            return outcome_.pressureUnit;
        return {};
    }

    // A shown number carries the value computed (six digits), not its text.
    void addNumber(const std::string& name, const std::string& shown, std::optional<float> computed = std::nullopt)
    {
        std::optional<double> value = commaNumber(shown);
        if (value && computed && std::isfinite(*computed))
            value = sixDigitValue(*computed);
        outcome_.numbers.push_back({name, shown, value, unitOf(name)});
    }

    // The shown result fields as numbers and as lines to read; the Kv with
    // its unit and the Kv the duty requires.
    void addResults(const ViewFigures& figures, float requiredKvValue)
    {
        const std::array<const std::string*, 3> results{&outcome_.result1, &outcome_.result2, &outcome_.result3};
        std::size_t shown = 0;
        for (std::size_t i = 0; i < results.size(); ++i) {
            if (!figures.results[i])
                continue;
            const std::string name = figures.results[i];
            const std::string requiredKv = formatResultNumber(requiredKvValue);
            addNumber(name, *results[i], outcome_.resultValues[i]);
            if (name == "kv")
                addNumber("kv_required", requiredKv, requiredKvValue);
            if (shown >= outcome_.fields.size())
                continue;
            SizeOutcome::Field line = outcome_.fields[shown++];
            if (name == "kv") {
                line.label += " (" + kKvUnit + ")";
                line.value += " (" + utf16ToUtf8(formatText(TextTable::text(state_.languageIndex, kTextRequired),
                                                            {utf8ToUtf16(requiredKv)})) + ")";
            }
            outcome_.report.push_back(line);
        }
    }

    void addMinimumPressure(const std::string& minimum)
    {
        addNumber("dp_min", minimum);
        outcome_.report.push_back({captioned(kTextDpMin, outcome_.pressureUnit), minimum});
    }

private:
    const AppState& state_;
    const Duty& duty_;
    SizeOutcome& outcome_;
};

// The Kv the duty needs, as the sizing computes it; not a number when the
// units give none.
float requiredKv(const AppState& state, const Duty& duty)
{
    const std::optional<HydraulicFactors> factors = hydraulicFactors(state);
    if (!factors)
        return NAN;
    return requiredFlowCoefficient(factors->relativeDensity, factors->flowFactor, parseCommaDecimal(duty.flowText),
                                   factors->pressureFactor, parseCommaDecimal(duty.dpText))
        .kv;
}

// The minimum pressure the check compared the measured one with, in the
// duty's unit; "---" without one.
std::string checkedMinimumText(const AppState& state, ProductDb& db, const Duty& duty)
{
    if (!state.picvCheckRow || *state.picvCheckRow >= state.picvAllRows.size())
        return formatResultNumber(NAN);
    const PicvRow& valve = state.picvAllRows[*state.picvCheckRow];
    const auto point = scalePoint(parseCommaDecimal(duty.flowText), picvScale(valve), kStartupPositions);
    const auto minimum = point ? picvMinimumPressure(db, valve, *point) : std::nullopt;
    return formatResultNumber(minimum ? pressureFromBase(state, *minimum) : NAN);
}

// Where a sized valve stands on its scale.
struct ScaleStanding {
    float presetting = 0.0f;
    float scaleStart = 0.0f;
    float reached = 0.0f;  // Kv or flow at the presetting
    float required = 0.0f; // what the duty asks of it
    std::optional<float> opening; // fraction of full opening, where the valve has one
};

std::optional<ScaleStanding> scaleStanding(const AppState& state, const Duty& duty, const std::string& requiredKv)
{
    const float kv = static_cast<float>(commaNumber(requiredKv).value_or(0.0));
    if (duty.view == 3 && state.fobvChosen && *state.fobvChosen < state.fobvRows.size())
        return ScaleStanding{state.fobvPresetting, state.fobvRows[*state.fobvChosen].presetStart,
                             state.fobvKvAtSetting, kv, state.fobvOpening};
    if (duty.view == 5 && state.vobvChosen && *state.vobvChosen < state.vobvRows.size())
        return ScaleStanding{state.vobvPresetting, state.vobvRows[*state.vobvChosen].presetStart,
                             state.vobvKvAtSetting, kv, state.vobvOpening};
    if (duty.view == 8 && state.picvChosen && *state.picvChosen < state.picvRows.size())
        return ScaleStanding{state.picvPresetting, state.picvRows[*state.picvChosen].presetStart,
                             state.picvFlowAtSetting, parseCommaDecimal(duty.flowText), std::nullopt};
    return std::nullopt;
}

std::vector<std::string> scaleWarnings(const std::optional<ScaleStanding>& standing, int language)
{
    std::vector<std::string> warnings;
    if (!standing)
        return warnings;
    if (standing->opening && *standing->opening >= 1.0f)
        warnings.push_back(TextTable::utf8(language, kTextFullOpening));
    // The lowest presetting still passes more than the duty asks for.
    if (standing->presetting <= standing->scaleStart && standing->reached > standing->required)
        warnings.push_back(TextTable::utf8(language, kTextBelowScale));
    return warnings;
}

int verdictText(const AppState& state, const Duty& duty, const SizeOutcome& outcome)
{
    // A check of a presetting off the valve's scale compared with nothing.
    if (duty.view == 9 && state.picvCheckFound && !state.picvCheckRow)
        return kTextNoMinimum;
    if (!outcome.found)
        return kTextNoValveFits;
    if (duty.view != 9)
        return kTextValveFound;
    return state.picvCheckResult == kPressureSufficient ? kTextSufficient : kTextInsufficient;
}

} // namespace

void addFigures(const AppState& state, ProductDb& db, const Duty& duty, SizeOutcome& outcome)
{
    const ViewFigures* figures = figuresOfView(duty.view);
    if (!figures)
        return;
    FigureWriter writer(state, duty, outcome);
    writer.echoDuty(*figures);
    const bool sizesByKv = duty.view == 3 || duty.view == 5;
    const float kvRequired = sizesByKv ? requiredKv(state, duty) : NAN;
    const std::string requiredKvText = sizesByKv ? formatResultNumber(kvRequired) : std::string();
    writer.addResults(*figures, kvRequired);
    if (duty.view == 9)
        writer.addMinimumPressure(checkedMinimumText(state, db, duty));
    outcome.verdict = writer.text(verdictText(state, duty, outcome));
    if (outcome.found)
        outcome.warnings = scaleWarnings(scaleStanding(state, duty, requiredKvText), state.languageIndex);
}
