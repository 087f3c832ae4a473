#include "cli/duty.h"

#include "data/argument_text.h"
#include "cli/view_names.h"
#include "data/number_text.h"
#include "data/text_table.h"
#include "data/units.h"
#include "data/valve_models.h"

#include <array>
#include <cmath>

namespace {

constexpr std::size_t kFluidChoices = 6; // water and the five glycol mixtures

std::string unitLabels(const std::vector<UnitEntry>& units)
{
    std::string list;
    for (const UnitEntry& unit : units)
        list += (list.empty() ? "" : ", ") + unit.label;
    return list;
}

// Position of a label in a unit table; no two labels differ in case only.
std::string resolveUnit(const std::string& label, const std::vector<UnitEntry>& units, const char* what,
                        std::uint8_t& index)
{
    for (std::size_t i = 0; i < units.size(); ++i) {
        if (equalsIgnoringCase(units[i].label, label)) {
            index = static_cast<std::uint8_t>(i);
            return {};
        }
    }
    return "unknown " + std::string(what) + " unit '" + label + "' (one of: " + unitLabels(units) + ")";
}

std::string resolveNumber(const std::string& text, const char* what, std::string& target)
{
    if (!isNumberText(text))
        return std::string(what) + " '" + text + "' is not a number (digits with a decimal comma or point)";
    target = text;
    return {};
}

struct KindName {
    std::string_view name;
    int kind;
};
constexpr std::array<KindName, 4> kKindNames{{
    {"fixed", FixedOrificeKind},
    {"variable", VariableOrificeKind},
    {"picv", PressureIndependentKind},
    {"dpcv", DpControllerKind},
}};

std::optional<int> kindOfText(std::string_view text)
{
    if (const auto number = parseIndexText(text, kValveKindCount - 1))
        return static_cast<int>(*number);
    for (const KindName& entry : kKindNames)
        if (entry.name == text)
            return entry.kind;
    return std::nullopt;
}

// "KIND=NAME" with a model name that the preferences dialog offers for the kind.
std::string resolveModelChoices(const std::vector<std::string>& texts, const char* option,
                                std::vector<std::pair<int, std::string>>& choices)
{
    for (const std::string& text : texts) {
        const std::size_t equals = text.find('=');
        const auto kind = equals == std::string::npos ? std::nullopt : kindOfText(text.substr(0, equals));
        if (!kind)
            return std::string(option) + " '" + text + "' is not KIND=NAME with KIND 0-3 or fixed, variable, picv, dpcv";
        const std::string name = text.substr(equals + 1);
        if (!modelPosition(*kind, name)) {
            std::string names;
            for (const std::string& model : modelNamesOfKind(*kind))
                names += (names.empty() ? "'" : ", '") + model + "'";
            return std::string(option) + ": '" + name + "' is not a model of kind " + std::to_string(*kind) +
                   " (one of: " + names + ")";
        }
        choices.emplace_back(*kind, name);
    }
    return {};
}

std::string resolvePressureBound(const std::string& text, const char* option, std::optional<float>& bound)
{
    if (text.empty())
        return {};
    if (!isNumberText(text))
        return std::string(option) + " '" + text + "' is not a number of kPa";
    const float kilopascal = parseCommaDecimal(text);
    if (!std::isfinite(kilopascal)) // an infinite bound would silently drop the orifice window's limit
        return std::string(option) + " '" + text + "' is too large a number of kPa";
    bound = kilopascal;
    return {};
}

DutyTexts trimmed(DutyTexts texts)
{
    for (std::string* text : {&texts.view, &texts.flow, &texts.dp, &texts.pick, &texts.flowUnit,
                              &texts.pressureUnit, &texts.fluid})
        *text = trimmedText(*text);
    return texts;
}

} // namespace

std::string resolveDuty(const DutyTexts& typed, Duty& duty)
{
    duty = Duty{};
    const DutyTexts texts = trimmed(typed);
    if (texts.view.empty())
        return "no view given (one of: " + viewNameList() + ")";
    const auto view = viewOfName(texts.view);
    if (!view)
        return "unknown view '" + texts.view + "' (one of: " + viewNameList() + ")";
    duty.viewName = nameOfView(*view);
    duty.view = *view;

    std::string error;
    if (!texts.flow.empty() && !(error = resolveNumber(texts.flow, "flow", duty.flowText)).empty())
        return error;
    if (!texts.dp.empty() && !(error = resolveNumber(texts.dp, "dp", duty.dpText)).empty())
        return error;
    if (!texts.pick.empty()) {
        duty.pick = parseIndexText(texts.pick, 1000000);
        if (!duty.pick)
            return "pick '" + texts.pick + "' is not a row number (0 for the first row)";
    }
    if (!duty.pick && viewNeedsPick(duty.view))
        return missingPickMessage(duty.viewName);
    if (!texts.flowUnit.empty() &&
        !(error = resolveUnit(texts.flowUnit, flowUnitTable(), "flow", duty.flowUnitIndex)).empty())
        return error;
    if (!texts.pressureUnit.empty() &&
        !(error = resolveUnit(texts.pressureUnit, pressureUnitTable(), "pressure", duty.pressureUnitIndex)).empty())
        return error;
    if (!texts.fluid.empty()) {
        const auto fluid = parseIndexText(texts.fluid, kFluidChoices - 1);
        if (!fluid)
            return "fluid '" + texts.fluid + "' is not 0 (water) to 5 (water and glycol 50%)";
        duty.fluidIndex = static_cast<std::uint8_t>(*fluid);
    }
    return {};
}

std::string missingPickMessage(const std::string& viewName)
{
    return viewName + " calculates for one valve of the candidate list: give its row with --pick N (0 is the "
                      "first row; run it with --pick 0 to see the list)";
}

std::string resolveRunSettings(const RunSettingTexts& typed, RunSettings& settings)
{
    settings = RunSettings{};
    settings.languageIndex = typed.defaultLanguage;
    RunSettingTexts texts = typed;
    for (std::string* text : {&texts.language, &texts.dpMin, &texts.dpMax})
        *text = trimmedText(*text);
    for (std::vector<std::string>* choices : {&texts.preferred, &texts.alternative})
        for (std::string& choice : *choices)
            choice = trimmedText(choice);
    if (!texts.language.empty()) {
        const auto language = parseIndexText(texts.language, TextTable::languageCount - 1);
        if (!language)
            return "language '" + texts.language + "' is not 0 to 6 (0 Italian, 1 English, 2 Spanish, 3 German, "
                   "4 French, 5 Swedish, 6 Russian)";
        settings.languageIndex = static_cast<std::uint8_t>(*language);
    }
    std::string error;
    if (!(error = resolveModelChoices(texts.preferred, "--preferred", settings.preferred)).empty() ||
        !(error = resolveModelChoices(texts.alternative, "--alternative", settings.alternative)).empty() ||
        !(error = resolvePressureBound(texts.dpMin, "--dp-min", settings.dpMin)).empty() ||
        !(error = resolvePressureBound(texts.dpMax, "--dp-max", settings.dpMax)).empty())
        return error;
    return {};
}

DutyTexts overlaid(DutyTexts base, const DutyTexts& cells)
{
    for (auto [target, cell] : {std::pair{&base.view, &cells.view}, std::pair{&base.flow, &cells.flow},
                                std::pair{&base.dp, &cells.dp}, std::pair{&base.pick, &cells.pick},
                                std::pair{&base.flowUnit, &cells.flowUnit},
                                std::pair{&base.pressureUnit, &cells.pressureUnit},
                                std::pair{&base.fluid, &cells.fluid}})
        if (!cell->empty())
            *target = *cell;
    return base;
}
