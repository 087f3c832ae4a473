#include "data/units.h"

#include "data/number_text.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

struct UnitCase {
    const char* label;
    float factor;
};

// The factors as nine-digit single-precision values. Several differ from the
// float of the short decimal (101.325f != 101.325012f would not be caught by
// a tolerance), so they are compared bit for bit.
void expectTable(const std::vector<UnitEntry>& table, std::initializer_list<UnitCase> expected)
{
    ASSERT_EQ(table.size(), expected.size());
    std::size_t i = 0;
    for (const UnitCase& unit : expected) {
        EXPECT_EQ(table[i].label, unit.label) << "index " << i;
        EXPECT_EQ(std::memcmp(&table[i].factor, &unit.factor, sizeof(float)), 0)
            << unit.label << ": " << table[i].factor << " vs " << unit.factor;
        ++i;
    }
}

TEST(UnitTables, HoldTheProgramsLabelsAndFactorsInOrder)
{
    expectTable(flowUnitTable(), {{"kg/s", 1000.0f}, {"Kg/h", 0.277777791f}, {"l/s", 1.0f},
                                  {"l/min", 0.0166666675f}, {"l/h", 0.000277777785f}, {"m3/s", 1000.0f},
                                  {"m3/h", 0.277777791f}, {"GPM", 0.0630899966f}, {"In3/min", 0.000273117999f},
                                  {"Ft3/min", 0.471899986f}});
    expectTable(pressureUnitTable(), {{"kPa", 1.0f}, {"daPa", 0.00999999978f}, {"bar", 100.0f},
                                      {"mH2O", 9.80665016f}, {"atm", 101.325012f}, {"kg/cm2", 98.0665054f},
                                      {"PSI", 6.89464951f}, {"ftH2O", 2.98906994f}, {"mbar", 0.100000001f}});
    expectTable(powerUnitTable(), {{"kW", 1000.0f}, {"W", 1.0f}, {"kCal/h", 1.16299999f}, {"Btu/h", 0.293071002f}});
    expectTable(temperatureUnitTable(), {{"C", 1.0f}, {"F", 0.555555582f}});
}

TEST(UnitTables, NineDigitFactorsAreNotTheShortDecimals)
{
    // Guards against "tidying" the table to the rounded readings.
    EXPECT_NE(pressureUnitTable()[4].factor, 101.325f);
    EXPECT_NE(pressureUnitTable()[5].factor, 98.0665f);
    EXPECT_NE(pressureUnitTable()[6].factor, 6.89465f);
}

TEST(MassFlow, FactorIsDividedByTheDensity)
{
    const auto flow = flowUnitTable();
    EXPECT_FLOAT_EQ(toBase(1.0f, *flowFactorToLitresPerSecond(flow[0], 0, 1000)), 1.0f);
    EXPECT_NEAR(toBase(3.6f, *flowFactorToLitresPerSecond(flow[1], 1, 1000)), 0.001f, 1e-9f);
    EXPECT_NEAR(toBase(1.0f, *flowFactorToLitresPerSecond(flow[0], 0, 1050)), 1000.0f / 1050.0f, 1e-6f);
    // Volume units ignore the fluid altogether.
    EXPECT_EQ(flowFactorToLitresPerSecond(flow[6], 6, std::nullopt), 0.277777791f);
}

TEST(MassFlow, WithoutAUsableDensityThereIsNoFactor)
{
    const auto flow = flowUnitTable();
    EXPECT_FALSE(flowFactorToLitresPerSecond(flow[0], 0, std::nullopt));
    EXPECT_FALSE(flowFactorToLitresPerSecond(flow[1], 1, 0));
    EXPECT_FALSE(flowFactorToLitresPerSecond(flow[0], 0, -5));
}

struct ConversionCase {
    const char* name;
    float base;
    const UnitEntry unit;
    float shown;
};

TEST(Conversion, FromBaseToTheChosenUnit)
{
    const auto flow = flowUnitTable();
    const auto pressure = pressureUnitTable();
    const ConversionCase cases[] = {
        {"1 l/s in m3/h", 1.0f, flow[6], 3.6f},
        {"100 kPa in bar", 100.0f, pressure[2], 1.0f},
        {"1 kPa in mbar", 1.0f, pressure[8], 10.0f},
        {"1 kPa in mH2O", 1.0f, pressure[3], 0.10f},
        {"1 kPa in ftH2O", 1.0f, pressure[7], 0.33f},
    };
    for (const auto& c : cases)
        EXPECT_NEAR(fromBase(c.base, c.unit.factor), c.shown, 0.005f) << c.name;
    EXPECT_FLOAT_EQ(toBase(1.0f, flow[6].factor), 0.277777791f);
    EXPECT_FLOAT_EQ(fromBase(toBase(3.6f, flow[6].factor), flow[2].factor), 1.0f);
}

struct RoundTripCase {
    const char* name;
    float value;
    UnitEntry from;
    UnitEntry to;
    const char* shown;
};

// A value entered in one unit, taken to the base unit and shown in another,
// as the window does it. Water columns and Btu/h are the physical units.
TEST(Conversion, RoundTripsBetweenUnitsShowThePhysicalValues)
{
    const auto pressure = pressureUnitTable();
    const auto power = powerUnitTable();
    const RoundTripCase cases[] = {
        {"1 mH2O in kPa", 1.0f, pressure[3], pressure[0], "9,81"},
        {"1 mH2O in mbar", 1.0f, pressure[3], pressure[8], "98,07"},
        {"1 ftH2O in mbar", 1.0f, pressure[7], pressure[8], "29,89"},
        {"1 kW in Btu/h", 1.0f, power[0], power[3], "3412,14"},
        {"12000 Btu/h in kW", 12000.0f, power[3], power[0], "3,52"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(formatCommaDecimal(fromBase(toBase(c.value, c.from.factor), c.to.factor)), c.shown) << c.name;
    EXPECT_FLOAT_EQ(toBase(1.0f, pressure[3].factor), 9.80665f);
}

TEST(TemperatureDifference, ConvertsOnlyTheDifference)
{
    const auto temperature = temperatureUnitTable();
    EXPECT_FLOAT_EQ(temperatureDifferenceToKelvin(77.0f, 68.0f, temperature[1]), 5.0f);
    EXPECT_FLOAT_EQ(temperatureDifferenceToKelvin(15.0f, 20.0f, temperature[0]), 5.0f);
}

} // namespace
