#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

// A unit a quantity can be shown in. factor = base units in one unit;
// base units are l/s, kPa, W and kelvin (for differences).
struct UnitEntry {
    std::string label;
    float factor = 0.0f;
};

std::vector<UnitEntry> flowUnitTable();
std::vector<UnitEntry> pressureUnitTable();
std::vector<UnitEntry> powerUnitTable();
std::vector<UnitEntry> temperatureUnitTable();

// Flow units 0 ("kg/s") and 1 ("Kg/h") measure mass: their factor is divided
// by the fluid's density in kg/m3 before use.
bool isMassFlowUnit(std::size_t flowUnitIndex);

// Factor from a flow unit to l/s. For a mass unit it needs a usable density
// (> 0); without one there is no factor, and nothing can be converted.
std::optional<float> flowFactorToLitresPerSecond(const UnitEntry& unit, std::size_t flowUnitIndex,
                                                 std::optional<int> densityKgPerM3);

inline float toBase(float value, float factor) { return value * factor; }
inline float fromBase(float base, float factor) { return base / factor; }

// A temperature difference in the given unit, in kelvin. Absolute
// temperatures are never converted.
float temperatureDifferenceToKelvin(float supply, float returnTemperature, const UnitEntry& unit);
