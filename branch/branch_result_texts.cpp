#include "branch/branch_result_texts.h"

#include "app/unit_conversion.h"
#include "branch/branch_text_ids.h"
#include "data/number_text.h"
#include "data/text_format.h"
#include "data/text_table.h"

#include <array>

namespace {

using namespace branch_text;

enum class UnitOf { None, Flow, Pressure };

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

struct Column {
    const char* key;
    int headerId;
    UnitOf unit;
    std::u16string (*cell)(const CellInput&);
};

const std::array<Column, 15> kColumns{{
    {"number", kNumber, UnitOf::None, [](const CellInput& in) { return utf8ToUtf16(std::to_string(in.number)); }},
    {"designation", kDesignation, UnitOf::None, [](const CellInput& in) { return utf8ToUtf16(in.circuit.designation); }},
    {"kind", kValveType, UnitOf::None,
     [](const CellInput& in) { return valveKindName(in.state.languageIndex, in.circuit.kind); }},
    {"flow", kFlowRate, UnitOf::Flow, [](const CellInput& in) { return number(in.result.flow); }},
    {"riser_loss_to_take_off", kRiserLossToTakeOff, UnitOf::Pressure,
     [](const CellInput& in) { return number(in.result.riserUpTo); }},
    {"circuit_loss", kCircuitLoss, UnitOf::Pressure, [](const CellInput& in) { return number(in.result.circuitLoss); }},
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
    case BranchWarning::NoValve: return std::u16string(TextTable::text(language, kNoValve));
    case BranchWarning::PresettingOutsideScale:
        return std::u16string(TextTable::text(language, kPresettingOutsideScale));
    case BranchWarning::NoiseRisk:
        return formatText(TextTable::text(language, kNoiseRisk), {pressureText(state, settings.noiseLimit)});
    case BranchWarning::AbovePicvMaximum: break;
    }
    return formatText(TextTable::text(language, kAbovePicvMaximum), {pressureText(state, valve.dpMaxKpa)});
}

BranchResultTexts branchResultTexts(const AppState& state, const Branch& branch, const BranchResult& result)
{
    const int language = state.languageIndex;
    BranchResultTexts texts;
    for (const Column& column : kColumns) {
        texts.keys.push_back(column.key);
        texts.headers.push_back(captionWithUnit(language, column.headerId, unitLabel(state, column.unit)));
    }
    for (std::size_t i = 0; i < result.circuits.size() && i < branch.circuits.size(); ++i) {
        const CellInput in{state, i + 1, branch.circuits[i], result.circuits[i], branch.settings};
        std::vector<std::u16string> row;
        for (const Column& column : kColumns)
            row.push_back(column.cell(in));
        texts.rows.push_back(std::move(row));
    }
    texts.pumpHeadCaption = captionWithUnit(language, kPumpHead, pressureUnitLabel(state));
    texts.pumpHeadValue = number(result.pumpHead);
    texts.indexCaption = std::u16string(TextTable::text(language, kIndexCircuit));
    texts.indexRow = result.indexCircuit;
    if (result.indexCircuit < branch.circuits.size())
        texts.indexValue = utf8ToUtf16(std::to_string(result.indexCircuit + 1)) + u" " +
                           utf8ToUtf16(branch.circuits[result.indexCircuit].designation);
    return texts;
}
