#include "data/units.h"

#include <cmath>

// Each factor is a single-precision value written with nine significant
// digits, which name the float exactly.
std::vector<UnitEntry> flowUnitTable()
{
    return {
        {"kg/s", 1000.0f},
        {"Kg/h", 0.277777791f},
        {"l/s", 1.0f},
        {"l/min", 0.0166666675f},
        {"l/h", 0.000277777785f},
        {"m3/s", 1000.0f},
        {"m3/h", 0.277777791f},
        {"GPM", 0.0630899966f},
        {"In3/min", 0.000273117999f},
        {"Ft3/min", 0.471899986f},
    };
}

std::vector<UnitEntry> pressureUnitTable()
{
    return {
        {"kPa", 1.0f},
        {"daPa", 0.00999999978f},
        {"bar", 100.0f},
        {"mH2O", 9.80665016f},
        {"atm", 101.325012f},
        {"kg/cm2", 98.0665054f},
        {"PSI", 6.89464951f},
        {"ftH2O", 2.98906994f},
        {"mbar", 0.100000001f},
    };
}

std::vector<UnitEntry> powerUnitTable()
{
    return {
        {"kW", 1000.0f},
        {"W", 1.0f},
        {"kCal/h", 1.16299999f},
        {"Btu/h", 0.293071002f},
    };
}

std::vector<UnitEntry> temperatureUnitTable()
{
    return {
        {"C", 1.0f},
        {"F", 0.555555582f},
    };
}

bool isMassFlowUnit(std::size_t flowUnitIndex)
{
    return flowUnitIndex <= 1;
}

std::optional<float> flowFactorToLitresPerSecond(const UnitEntry& unit, std::size_t flowUnitIndex,
                                                 std::optional<int> densityKgPerM3)
{
    if (!isMassFlowUnit(flowUnitIndex))
        return unit.factor;
    if (!densityKgPerM3 || *densityKgPerM3 <= 0)
        return std::nullopt;
    return unit.factor / static_cast<float>(*densityKgPerM3);
}

float temperatureDifferenceToKelvin(float supply, float returnTemperature, const UnitEntry& unit)
{
    return std::fabs(supply - returnTemperature) * unit.factor;
}
