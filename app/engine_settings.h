#pragma once

#include "data/units.h"
#include "data/valve_models.h"
#include "db/catalogue_rows.h"

#include <cstdint>
#include <vector>

// What the sizing engine reads of the application state: the units in force
// and the project's preferences. A branch or a system sizes on a state that
// holds a copy of these alone (engineSettingsOf), so whatever the engine
// comes to read belongs here.
struct EngineSettings {
    // Units.
    std::vector<UnitEntry> flowUnits;
    std::vector<UnitEntry> pressureUnits;
    std::vector<UnitEntry> powerUnits;
    std::vector<UnitEntry> temperatureUnits;
    std::uint8_t flowUnitIndex = 0;
    std::uint8_t pressureUnitIndex = 0;
    std::uint8_t powerUnitIndex = 0;
    std::uint8_t temperatureUnitIndex = 0;

    // Project preferences.
    ModelNames modelNames{};
    float dpMin = 0.0f;  // kPa
    float dpMax = 0.0f;  // kPa
    std::vector<FluidRow> fluids;
    std::uint8_t fluidIndex = 0;
};
