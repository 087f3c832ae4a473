#pragma once

#include "app/app_state.h"

#include <optional>
#include <string>

// Conversions between the units the user has chosen and the base units
// (l/s, kPa, W, K). A flow in a mass unit needs the chosen fluid's density:
// without a fluid row, or with a density of 0, there is no factor and the
// caller reports that nothing was found instead of dividing by zero.

// Factor of the chosen flow unit to l/s, divided by the fluid density for
// the mass units "kg/s" and "Kg/h".
std::optional<float> effectiveFlowFactor(const AppState& state);
// Factor of the chosen pressure unit to kPa.
float pressureFactor(const AppState& state);
// Factor of the chosen power unit to W.
float powerFactor(const AppState& state);

std::optional<float> flowToBase(const AppState& state, float value);
std::optional<float> flowFromBase(const AppState& state, float litresPerSecond);
float pressureToBase(const AppState& state, float value);
float pressureFromBase(const AppState& state, float kilopascal);
float powerToBase(const AppState& state, float value);
float powerFromBase(const AppState& state, float watt);
// |supply - return| in the chosen temperature unit, in kelvin.
float temperatureDifferenceKelvin(const AppState& state, float supply, float returnTemperature);

// Labels of the chosen units ("" before start-up has filled the tables).
std::string flowUnitLabel(const AppState& state);
std::string pressureUnitLabel(const AppState& state);
std::string powerUnitLabel(const AppState& state);
std::string temperatureUnitLabel(const AppState& state);
