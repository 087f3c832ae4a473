#include "system/system_result_texts.h"

#include "app/unit_conversion.h"
#include "branch/branch_result_texts.h"
#include "branch/branch_text_ids.h"
#include "data/text_format.h"
#include "data/text_table.h"
#include "system/system_text_ids.h"

#include <array>

namespace {

using namespace system_text;

struct CellInput {
    const AppState& state;
    std::size_t number;
    const SystemBranch& branch;
    const SystemBranchResult& result;
    const SystemSettings& settings;
};

std::u16string warningsOf(const CellInput& in)
{
    std::u16string text;
    for (const SystemWarning warning : in.result.warnings)
        text += (text.empty() ? u"" : u"; ") + systemWarningText(in.state, warning, in.settings, in.result);
    return text;
}

bool hasDevice(const CellInput& in)
{
    return in.result.foot.device != FootDevice::None;
}

bool isStaticValve(const CellInput& in)
{
    return in.result.foot.valve.found &&
           (in.result.foot.device == FootDevice::FixedOrificeValve ||
            in.result.foot.device == FootDevice::VariableOrificeValve);
}

// The product at the foot: the static valve or the controller.
struct Product {
    std::string model, nominalSize, code;
};

Product productOf(const CellInput& in)
{
    if (in.result.foot.controller)
        return {in.result.foot.controller->model, in.result.foot.controller->nominalSize,
                in.result.foot.controller->technicalCode};
    if (isStaticValve(in))
        return {in.result.foot.valve.model, in.result.foot.valve.nominalSize, in.result.foot.valve.technicalCode};
    return {};
}

using Column = ResultColumn<CellInput>;
using Figure = std::optional<float>;

const std::array<Column, 14> kColumns{{
    {"number", branch_text::kNumber, UnitOf::None,
     [](const CellInput& in) { return utf8ToUtf16(std::to_string(in.number)); }},
    {"branch", branch_text::kBranch, UnitOf::None,
     [](const CellInput& in) { return utf8ToUtf16(in.branch.branch.settings.name); }},
    {"flow", branch_text::kFlowRate, UnitOf::Flow, nullptr, [](const CellInput& in) { return Figure(in.result.flow); }},
    {"main_loss_to_take_off", kMainLossToTakeOff, UnitOf::Pressure, nullptr,
     [](const CellInput& in) { return Figure(in.result.mainUpTo); }},
    {"available", kAvailableAtTakeOff, UnitOf::Pressure, nullptr,
     [](const CellInput& in) { return Figure(in.result.available); }},
    {"requirement", kBranchRequirement, UnitOf::Pressure, nullptr,
     [](const CellInput& in) { return Figure(in.result.requirement); }},
    {"foot_device", kFootDevice, UnitOf::None,
     [](const CellInput& in) { return footDeviceName(in.state.languageIndex, in.result.foot.device); }},
    {"model", branch_text::kNameType, UnitOf::None, [](const CellInput& in) { return utf8ToUtf16(productOf(in).model); }},
    {"nominal_size", branch_text::kNominalSize, UnitOf::None,
     [](const CellInput& in) { return utf8ToUtf16(productOf(in).nominalSize); }},
    {"material_number", branch_text::kMaterialNumber, UnitOf::None,
     [](const CellInput& in) { return utf8ToUtf16(productOf(in).code); }},
    {"presetting", branch_text::kPresetting, UnitOf::None, nullptr,
     [](const CellInput& in) { return isStaticValve(in) ? Figure(in.result.foot.valve.presetting) : std::nullopt; }},
    {"setpoint", kSetpoint, UnitOf::Pressure, nullptr,
     [](const CellInput& in) { return in.result.foot.controller ? Figure(in.result.foot.setpoint) : std::nullopt; }},
    {"foot_dp", kDpFootDevice, UnitOf::Pressure, nullptr,
     [](const CellInput& in) { return hasDevice(in) ? Figure(in.result.foot.drop) : std::nullopt; }},
    {"warnings", branch_text::kWarnings, UnitOf::None, warningsOf},
}};

// A pressure in the unit in force with its label.
std::u16string pressureText(const AppState& state, float value)
{
    return resultNumber(value) + u" " + utf8ToUtf16(pressureUnitLabel(state));
}

std::u16string text(int language, int id)
{
    return std::u16string(TextTable::text(language, id));
}

} // namespace

std::u16string footDeviceName(int language, FootDevice device)
{
    switch (device) {
    case FootDevice::FixedOrificeValve: return valveKindName(language, BranchValveKind::FixedOrifice);
    case FootDevice::VariableOrificeValve: return valveKindName(language, BranchValveKind::VariableOrifice);
    case FootDevice::Controller: return text(language, kControllerFamily);
    case FootDevice::None: break;
    }
    return text(language, kNoFootDevice);
}

std::u16string systemWarningText(const AppState& state, SystemWarning warning, const SystemSettings& settings,
                                 const SystemBranchResult& branch)
{
    const int language = state.languageIndex;
    switch (warning) {
    case SystemWarning::MainVelocityAboveLimit:
        return formatText(text(language, kMainVelocityAboveLimit), {resultNumber(settings.limits.velocityLimit) + u" m/s"});
    case SystemWarning::NoFootValve: return text(language, kNoFootValve);
    case SystemWarning::NoController: return text(language, kNoController);
    case SystemWarning::FootValveOutsideScale: return text(language, branch_text::kPresettingOutsideScale);
    case SystemWarning::FootNoiseRisk:
        return formatText(text(language, branch_text::kNoiseRisk),
                          {pressureText(state, pressureFromBase(state, settings.limits.noiseLimit))});
    case SystemWarning::BranchIncomplete: return text(language, kBranchIncomplete);
    case SystemWarning::ControllerProposed: break;
    }
    if (!branch.proposal || !branch.proposal->controller)
        return text(language, kNoController);
    const DpcvRow& row = *branch.proposal->controller;
    return formatText(text(language, kControllerProposed),
                      {utf8ToUtf16(row.model + " " + row.nominalSize + " " + row.technicalCode),
                       pressureText(state, branch.proposal->setpoint)});
}

SystemResultTexts systemResultTexts(const AppState& state, const HydronicSystem& system, const SystemResult& result)
{
    SystemResultTexts texts;
    std::vector<const Column*> columns;
    for (const Column& column : kColumns)
        columns.push_back(&column);
    std::vector<CellInput> inputs;
    std::vector<std::u16string> names;
    for (std::size_t j = 0; j < result.branches.size() && j < system.branches.size(); ++j)
        inputs.push_back({state, j + 1, system.branches[j], result.branches[j], system.settings});
    for (std::size_t j = 0; j < system.branches.size(); ++j)
        names.push_back(utf8ToUtf16(std::to_string(j + 1)) + u" " + utf8ToUtf16(system.branches[j].branch.settings.name));
    fillResultTable(texts, state, columns, inputs);
    fillDutyPoint(texts, state,
                  {result.pumpHead, result.totalFlow, kIndexBranch, result.indexBranch, kSystemIncomplete,
                   result.incomplete},
                  names);
    texts.plantLossCaption = captionWithUnit(state.languageIndex, kPlantLoss, pressureUnitLabel(state));
    texts.plantLossValue = resultNumber(result.plantLoss);
    texts.plantLoss = result.plantLoss;
    return texts;
}
