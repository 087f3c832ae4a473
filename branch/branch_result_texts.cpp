#include "branch/branch_result_texts.h"

#include "app/unit_conversion.h"
#include "branch/branch_design_text_ids.h"
#include "branch/branch_text_ids.h"
#include "data/text_format.h"
#include "data/text_table.h"

#include <array>
#include <map>
#include <string_view>

namespace {

using namespace branch_text;

// Columns only a branch with pipe sections or control valves has.
enum class Shown { Always, WithPipes, WithControlValves };

struct CellInput {
    const AppState& state;
    std::size_t number;
    const BranchCircuit& circuit;
    const CircuitResult& result;
    const BranchSettings& settings;
};

bool isStatic(const BranchCircuit& circuit)
{
    return circuit.kind != BranchValveKind::PressureIndependent;
}

std::u16string warningsOf(const CellInput& in)
{
    std::u16string text;
    for (const BranchWarning warning : in.result.warnings)
        text += (text.empty() ? u"" : u"; ") + warningText(in.state, warning, in.settings, in.result.valve);
    return text;
}

using Figure = std::optional<float>;

Figure sectionFigure(const CellInput& in, float SectionResult::*field)
{
    return in.result.section ? Figure(*in.result.section.*field) : std::nullopt;
}

// Figures of the valve found, of a static valve or of the other kind.
Figure valveFigure(const CellInput& in, bool staticOnly, float value)
{
    return in.result.valve.found && isStatic(in.circuit) == staticOnly ? Figure(value) : std::nullopt;
}

using Column = ResultColumn<CellInput>;

const std::array<Column, 20> kColumns{{
    {"number", kNumber, UnitOf::None, [](const CellInput& in) { return utf8ToUtf16(std::to_string(in.number)); }},
    {"designation", kDesignation, UnitOf::None, [](const CellInput& in) { return utf8ToUtf16(in.circuit.designation); }},
    {"kind", kValveType, UnitOf::None,
     [](const CellInput& in) { return valveKindName(in.state.languageIndex, in.circuit.kind); }},
    {"flow", kFlowRate, UnitOf::Flow, nullptr, [](const CellInput& in) { return Figure(in.result.flow); }},
    {"riser_loss_to_take_off", kRiserLossToTakeOff, UnitOf::Pressure, nullptr,
     [](const CellInput& in) { return Figure(in.result.riserUpTo); }},
    {"section_flow", kSectionFlow, UnitOf::Flow, nullptr,
     [](const CellInput& in) { return sectionFigure(in, &SectionResult::flow); }},
    {"velocity", kVelocity, UnitOf::Velocity, nullptr,
     [](const CellInput& in) { return sectionFigure(in, &SectionResult::velocity); }},
    {"section_loss", kSectionLoss, UnitOf::Pressure, nullptr,
     [](const CellInput& in) { return in.result.section ? Figure(in.result.riserLoss) : std::nullopt; }},
    {"circuit_loss", kCircuitLoss, UnitOf::Pressure, nullptr,
     [](const CellInput& in) { return Figure(in.result.circuitLoss); }},
    {"control_valve_dp", kDpControlValve, UnitOf::Pressure, nullptr,
     [](const CellInput& in) { return in.circuit.controlValveKvs ? Figure(in.result.controlValveDp) : std::nullopt; }},
    {"authority", kAuthority, UnitOf::None, nullptr, [](const CellInput& in) { return in.result.authority; }},
    {"valve_dp", kDpValve, UnitOf::Pressure, nullptr, [](const CellInput& in) { return Figure(in.result.valveDp); }},
    {"model", kNameType, UnitOf::None, [](const CellInput& in) { return utf8ToUtf16(in.result.valve.model); }},
    {"nominal_size", kNominalSize, UnitOf::None,
     [](const CellInput& in) { return utf8ToUtf16(in.result.valve.nominalSize); }},
    {"material_number", kMaterialNumber, UnitOf::None,
     [](const CellInput& in) { return utf8ToUtf16(in.result.valve.technicalCode); }},
    {"presetting", kPresetting, UnitOf::None, nullptr,
     [](const CellInput& in) { return in.result.valve.found ? Figure(in.result.valve.presetting) : std::nullopt; }},
    {"kv", kKvValue, UnitOf::None, nullptr,
     [](const CellInput& in) { return valveFigure(in, true, in.result.valve.kvAtSetting); }},
    {"opening_percent", kOpening, UnitOf::None, nullptr,
     [](const CellInput& in) { return valveFigure(in, true, in.result.valve.opening * 100.0f); }},
    {"dp_min", kDpMin, UnitOf::Pressure, nullptr,
     [](const CellInput& in) { return valveFigure(in, false, in.result.valve.dpMin); }},
    {"warnings", kWarnings, UnitOf::None, warningsOf},
}};

// The columns only a branch with pipe sections or control valves has, by key.
const std::map<std::string_view, Shown> kOptionalColumns{
    {"section_flow", Shown::WithPipes},          {"velocity", Shown::WithPipes},
    {"section_loss", Shown::WithPipes},          {"control_valve_dp", Shown::WithControlValves},
    {"authority", Shown::WithControlValves},
};

Shown shownWith(const Column& column)
{
    const auto optional = kOptionalColumns.find(column.key);
    return optional == kOptionalColumns.end() ? Shown::Always : optional->second;
}

// A pressure given in kPa as the user reads it: number and unit in force.
std::u16string pressureText(const AppState& state, float kilopascal)
{
    return resultNumber(pressureFromBase(state, kilopascal)) + u" " + utf8ToUtf16(pressureUnitLabel(state));
}

} // namespace

std::u16string valveKindName(int language, BranchValveKind kind)
{
    switch (kind) {
    case BranchValveKind::FixedOrifice: return std::u16string(TextTable::text(language, kFixedOrificeFamily));
    case BranchValveKind::VariableOrifice: return std::u16string(TextTable::text(language, kVariableOrificeFamily));
    case BranchValveKind::PressureIndependent: break;
    }
    return std::u16string(TextTable::text(language, kPressureIndependentFamily));
}

std::u16string warningText(const AppState& state, BranchWarning warning, const BranchSettings& settings,
                           const BranchValve& valve)
{
    const int language = state.languageIndex;
    switch (warning) {
    case BranchWarning::NoValve:
        if (valve.requiredKv > 0.0f)
            return std::u16string(TextTable::text(language, kNoValve)) + u" (Kv " +
                   formatText(TextTable::text(language, kRequired), {resultNumber(valve.requiredKv)}) + u")";
        return std::u16string(TextTable::text(language, kNoValve));
    case BranchWarning::VelocityAboveLimit:
        return formatText(TextTable::text(language, kVelocityAboveLimit),
                          {resultNumber(settings.limits.velocityLimit) + u" m/s"});
    case BranchWarning::LowAuthority:
        return formatText(TextTable::text(language, kAuthorityBelowLimit), {resultNumber(settings.limits.authorityLimit)});
    case BranchWarning::PresettingOutsideScale:
        return std::u16string(TextTable::text(language, kPresettingOutsideScale));
    case BranchWarning::NoiseRisk:
        return formatText(TextTable::text(language, kNoiseRisk), {pressureText(state, settings.limits.noiseLimit)});
    case BranchWarning::AbovePicvMaximum: break;
    }
    return formatText(TextTable::text(language, kAbovePicvMaximum), {pressureText(state, valve.dpMaxKpa)});
}

namespace {

bool isShown(Shown shown, const Branch& branch, bool withDesignColumns)
{
    const auto any = [&branch](auto has) {
        for (const BranchCircuit& circuit : branch.circuits)
            if (has(circuit))
                return true;
        return false;
    };
    switch (shown) {
    case Shown::Always: return true;
    case Shown::WithPipes:
        return withDesignColumns && any([](const BranchCircuit& circuit) { return circuit.pipe.has_value(); });
    case Shown::WithControlValves: break;
    }
    return withDesignColumns && any([](const BranchCircuit& circuit) { return circuit.controlValveKvs.has_value(); });
}

BranchResultTexts textsOf(const AppState& state, const Branch& branch, const BranchResult& result,
                          bool withDesignColumns)
{
    BranchResultTexts texts;
    std::vector<const Column*> columns;
    for (const Column& column : kColumns)
        if (isShown(shownWith(column), branch, withDesignColumns))
            columns.push_back(&column);
    std::vector<CellInput> inputs;
    std::vector<std::u16string> names;
    for (std::size_t i = 0; i < result.circuits.size() && i < branch.circuits.size(); ++i)
        inputs.push_back({state, i + 1, branch.circuits[i], result.circuits[i], branch.settings});
    for (std::size_t i = 0; i < branch.circuits.size(); ++i)
        names.push_back(utf8ToUtf16(std::to_string(i + 1)) + u" " + utf8ToUtf16(branch.circuits[i].designation));
    fillResultTable(texts, state, columns, inputs);
    fillDutyPoint(texts, state,
                  {result.pumpHead, result.totalFlow, kIndexCircuit, result.indexCircuit, kResultIncomplete,
                   result.unsized},
                  names);
    if (result.gap == BranchGap::PipeFluidUnknown)
        texts.incomplete = std::u16string(TextTable::text(state.languageIndex, branch_design_text::kPipesWaterOnly));
    return texts;
}

} // namespace

BranchResultTexts branchResultTexts(const AppState& state, const Branch& branch, const BranchResult& result)
{
    return textsOf(state, branch, result, false);
}

BranchResultTexts branchDesignTexts(const AppState& state, const Branch& branch, const BranchResult& result)
{
    return textsOf(state, branch, result, true);
}
