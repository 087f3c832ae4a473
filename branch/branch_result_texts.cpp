#include "branch/branch_result_texts.h"

#include "app/unit_conversion.h"
#include "branch/branch_design_text_ids.h"
#include "branch/branch_text_ids.h"
#include "data/number_text.h"
#include "data/text_format.h"
#include "data/text_table.h"

#include <array>

namespace {

using namespace branch_text;

enum class UnitOf { None, Flow, Pressure, Velocity };

// Columns only a branch with pipe sections or control valves has.
enum class Shown { Always, WithPipes, WithControlValves };

struct CellInput {
    const AppState& state;
    std::size_t number;
    const BranchCircuit& circuit;
    const CircuitResult& result;
    const BranchSettings& settings;
};

std::u16string number(float value)
{
    return utf8ToUtf16(formatResultNumber(value));
}

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

std::u16string sectionNumber(const CellInput& in, float SectionResult::*field)
{
    return in.result.section ? number(*in.result.section.*field) : u"";
}

struct Column {
    const char* key;
    int headerId;
    UnitOf unit;
    std::u16string (*cell)(const CellInput&);
    Shown shown = Shown::Always;
};

const std::array<Column, 20> kColumns{{
    {"number", kNumber, UnitOf::None, [](const CellInput& in) { return utf8ToUtf16(std::to_string(in.number)); }},
    {"designation", kDesignation, UnitOf::None, [](const CellInput& in) { return utf8ToUtf16(in.circuit.designation); }},
    {"kind", kValveType, UnitOf::None,
     [](const CellInput& in) { return valveKindName(in.state.languageIndex, in.circuit.kind); }},
    {"flow", kFlowRate, UnitOf::Flow, [](const CellInput& in) { return number(in.result.flow); }},
    {"riser_loss_to_take_off", kRiserLossToTakeOff, UnitOf::Pressure,
     [](const CellInput& in) { return number(in.result.riserUpTo); }},
    {"section_flow", kSectionFlow, UnitOf::Flow,
     [](const CellInput& in) { return sectionNumber(in, &SectionResult::flow); }, Shown::WithPipes},
    {"velocity", kVelocity, UnitOf::Velocity,
     [](const CellInput& in) { return sectionNumber(in, &SectionResult::velocity); }, Shown::WithPipes},
    {"section_loss", kSectionLoss, UnitOf::Pressure,
     [](const CellInput& in) { return in.result.section ? number(in.result.riserLoss) : u""; }, Shown::WithPipes},
    {"circuit_loss", kCircuitLoss, UnitOf::Pressure, [](const CellInput& in) { return number(in.result.circuitLoss); }},
    {"control_valve_dp", kDpControlValve, UnitOf::Pressure,
     [](const CellInput& in) { return in.circuit.controlValveKvs ? number(in.result.controlValveDp) : u""; },
     Shown::WithControlValves},
    {"authority", kAuthority, UnitOf::None,
     [](const CellInput& in) { return in.result.authority ? number(*in.result.authority) : u""; },
     Shown::WithControlValves},
    {"valve_dp", kDpValve, UnitOf::Pressure, [](const CellInput& in) { return number(in.result.valveDp); }},
    {"model", kNameType, UnitOf::None, [](const CellInput& in) { return utf8ToUtf16(in.result.valve.model); }},
    {"nominal_size", kNominalSize, UnitOf::None,
     [](const CellInput& in) { return utf8ToUtf16(in.result.valve.nominalSize); }},
    {"material_number", kMaterialNumber, UnitOf::None,
     [](const CellInput& in) { return utf8ToUtf16(in.result.valve.technicalCode); }},
    {"presetting", kPresetting, UnitOf::None,
     [](const CellInput& in) { return in.result.valve.found ? number(in.result.valve.presetting) : u""; }},
    {"kv", kKvValue, UnitOf::None,
     [](const CellInput& in) {
         return in.result.valve.found && isStatic(in.circuit) ? number(in.result.valve.kvAtSetting) : u"";
     }},
    {"opening_percent", kOpening, UnitOf::None,
     [](const CellInput& in) {
         return in.result.valve.found && isStatic(in.circuit) ? number(in.result.valve.opening * 100.0f) : u"";
     }},
    {"dp_min", kDpMin, UnitOf::Pressure,
     [](const CellInput& in) {
         return in.result.valve.found && !isStatic(in.circuit) ? number(in.result.valve.dpMin) : u"";
     }},
    {"warnings", kWarnings, UnitOf::None, warningsOf},
}};

std::string unitLabel(const AppState& state, UnitOf unit)
{
    switch (unit) {
    case UnitOf::Flow: return flowUnitLabel(state);
    case UnitOf::Pressure: return pressureUnitLabel(state);
    case UnitOf::Velocity: return "m/s";
    case UnitOf::None: break;
    }
    return {};
}

// A pressure given in kPa as the user reads it: number and unit in force.
std::u16string pressureText(const AppState& state, float kilopascal)
{
    return number(pressureFromBase(state, kilopascal)) + u" " + utf8ToUtf16(pressureUnitLabel(state));
}

} // namespace

std::u16string captionWithUnit(int language, int textId, const std::string& unit)
{
    return formatText(TextTable::text(language, textId), {utf8ToUtf16(unit)});
}

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
                   formatText(TextTable::text(language, kRequired), {number(valve.requiredKv)}) + u")";
        return std::u16string(TextTable::text(language, kNoValve));
    case BranchWarning::VelocityAboveLimit:
        return formatText(TextTable::text(language, kVelocityAboveLimit),
                          {number(settings.limits.velocityLimit) + u" m/s"});
    case BranchWarning::LowAuthority:
        return formatText(TextTable::text(language, kAuthorityBelowLimit), {number(settings.limits.authorityLimit)});
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
    const int language = state.languageIndex;
    BranchResultTexts texts;
    std::vector<const Column*> columns;
    for (const Column& column : kColumns)
        if (isShown(column.shown, branch, withDesignColumns))
            columns.push_back(&column);
    for (const Column* column : columns) {
        texts.keys.push_back(column->key);
        texts.headers.push_back(captionWithUnit(language, column->headerId, unitLabel(state, column->unit)));
    }
    for (std::size_t i = 0; i < result.circuits.size() && i < branch.circuits.size(); ++i) {
        const CellInput in{state, i + 1, branch.circuits[i], result.circuits[i], branch.settings};
        std::vector<std::u16string> row;
        for (const Column* column : columns)
            row.push_back(column->cell(in));
        texts.rows.push_back(std::move(row));
    }
    texts.pumpHeadCaption = captionWithUnit(language, kPumpHead, pressureUnitLabel(state));
    texts.pumpHeadValue = number(result.pumpHead);
    texts.totalFlowCaption = captionWithUnit(language, kTotalFlow, flowUnitLabel(state));
    texts.totalFlowValue = number(result.totalFlow);
    texts.indexCaption = std::u16string(TextTable::text(language, kIndexCircuit));
    texts.indexRow = result.indexCircuit;
    const auto circuitName = [&branch](std::size_t i) {
        return utf8ToUtf16(std::to_string(i + 1)) + u" " + utf8ToUtf16(branch.circuits[i].designation);
    };
    if (result.indexCircuit < branch.circuits.size())
        texts.indexValue = circuitName(result.indexCircuit);
    std::u16string unsized;
    for (const std::size_t i : result.unsized)
        if (i < branch.circuits.size())
            unsized += (unsized.empty() ? u"" : u", ") + circuitName(i);
    if (result.gap == BranchGap::PipeFluidUnknown)
        texts.incomplete = std::u16string(TextTable::text(language, branch_design_text::kPipesWaterOnly));
    else if (!unsized.empty())
        texts.incomplete = formatText(TextTable::text(language, kResultIncomplete), {unsized});
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
