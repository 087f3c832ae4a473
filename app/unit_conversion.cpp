#include "app/unit_conversion.h"

namespace {

const UnitEntry* entryAt(const std::vector<UnitEntry>& units, std::size_t index)
{
    return index < units.size() ? &units[index] : nullptr;
}

float factorAt(const std::vector<UnitEntry>& units, std::size_t index)
{
    const UnitEntry* entry = entryAt(units, index);
    return entry ? entry->factor : 1.0f;
}

std::string labelAt(const std::vector<UnitEntry>& units, std::size_t index)
{
    const UnitEntry* entry = entryAt(units, index);
    return entry ? entry->label : std::string();
}

} // namespace

std::optional<float> effectiveFlowFactor(const AppState& state)
{
    const UnitEntry* unit = entryAt(state.engine.flowUnits, state.engine.flowUnitIndex);
    if (!unit)
        return std::nullopt;
    const FluidRow* fluid = chosenFluid(state);
    return flowFactorToLitresPerSecond(*unit, state.engine.flowUnitIndex,
                                       fluid ? std::optional<int>(fluid->density) : std::nullopt);
}

float pressureFactor(const AppState& state)
{
    return factorAt(state.engine.pressureUnits, state.engine.pressureUnitIndex);
}
float powerFactor(const AppState& state) { return factorAt(state.engine.powerUnits, state.engine.powerUnitIndex); }

std::optional<float> flowToBase(const AppState& state, float value)
{
    const auto factor = effectiveFlowFactor(state);
    return factor ? std::optional<float>(toBase(value, *factor)) : std::nullopt;
}

std::optional<float> flowFromBase(const AppState& state, float litresPerSecond)
{
    const auto factor = effectiveFlowFactor(state);
    return factor ? std::optional<float>(fromBase(litresPerSecond, *factor)) : std::nullopt;
}

float pressureToBase(const AppState& state, float value) { return toBase(value, pressureFactor(state)); }
float pressureFromBase(const AppState& state, float kilopascal) { return fromBase(kilopascal, pressureFactor(state)); }
float powerToBase(const AppState& state, float value) { return toBase(value, powerFactor(state)); }
float powerFromBase(const AppState& state, float watt) { return fromBase(watt, powerFactor(state)); }

float temperatureDifferenceKelvin(const AppState& state, float supply, float returnTemperature)
{
    const UnitEntry* unit = entryAt(state.engine.temperatureUnits, state.engine.temperatureUnitIndex);
    return temperatureDifferenceToKelvin(supply, returnTemperature, unit ? *unit : UnitEntry{"C", 1.0f});
}

std::string flowUnitLabel(const AppState& state) { return labelAt(state.engine.flowUnits, state.engine.flowUnitIndex); }
std::string pressureUnitLabel(const AppState& state)
{
    return labelAt(state.engine.pressureUnits, state.engine.pressureUnitIndex);
}
std::string powerUnitLabel(const AppState& state)
{
    return labelAt(state.engine.powerUnits, state.engine.powerUnitIndex);
}
std::string temperatureUnitLabel(const AppState& state)
{
    return labelAt(state.engine.temperatureUnits, state.engine.temperatureUnitIndex);
}
