#include "app/unit_conversion.h"

#include <gtest/gtest.h>

namespace {

AppState stateWithFluid(int density, std::uint8_t flowUnit)
{
    AppState state{};
    state.engine.flowUnits = flowUnitTable();
    state.engine.pressureUnits = pressureUnitTable();
    state.engine.powerUnits = powerUnitTable();
    state.engine.temperatureUnits = temperatureUnitTable();
    state.engine.fluids.push_back(FluidRow{1, 1.0f, 4182, density});
    state.engine.flowUnitIndex = flowUnit;
    state.engine.pressureUnitIndex = 8;
    return state;
}

TEST(UnitConversion, MassFlowUsesTheChosenFluidsDensity)
{
    EXPECT_FLOAT_EQ(*flowToBase(stateWithFluid(1000, 0), 1.0f), 1.0f);
    EXPECT_NEAR(*flowToBase(stateWithFluid(1000, 1), 3.6f), 0.001f, 1e-9f);
    EXPECT_NEAR(*flowToBase(stateWithFluid(1050, 0), 1.0f), 0.952381f, 1e-6f);
    EXPECT_NEAR(*flowFromBase(stateWithFluid(1050, 0), 1000.0f / 1050.0f), 1.0f, 1e-6f);
}

TEST(UnitConversion, MassFlowWithoutUsableFluidIsNotFound)
{
    AppState noFluid = stateWithFluid(1000, 0);
    noFluid.engine.fluids.clear();
    EXPECT_FALSE(effectiveFlowFactor(noFluid));
    EXPECT_FALSE(flowToBase(noFluid, 1.0f));

    AppState indexBeyondTable = stateWithFluid(1000, 1);
    indexBeyondTable.engine.fluidIndex = 5;
    EXPECT_FALSE(flowFromBase(indexBeyondTable, 1.0f));

    EXPECT_FALSE(effectiveFlowFactor(stateWithFluid(0, 0))) << "density 0 must not divide";
}

TEST(UnitConversion, VolumeFlowNeedsNoFluid)
{
    AppState state = stateWithFluid(1000, 6);
    state.engine.fluids.clear();
    EXPECT_FLOAT_EQ(*flowToBase(state, 3.6f), 1.0f);
    EXPECT_FLOAT_EQ(*flowFromBase(state, 0.277777791f), 1.0f);
}

TEST(UnitConversion, PressurePowerAndTemperatureFollowTheChosenUnits)
{
    AppState state = stateWithFluid(1000, 2);
    EXPECT_FLOAT_EQ(pressureToBase(state, 100.0f), 10.0f); // mbar
    EXPECT_FLOAT_EQ(pressureFromBase(state, 1.0f), 10.0f);
    state.engine.pressureUnitIndex = 3;
    EXPECT_NEAR(pressureFromBase(state, 1.0f), 0.10197f, 0.000005f);
    EXPECT_FLOAT_EQ(powerToBase(state, 2.0f), 2000.0f);   // kW
    state.engine.temperatureUnitIndex = 1;
    EXPECT_FLOAT_EQ(temperatureDifferenceKelvin(state, 68.0f, 77.0f), 5.0f);
    EXPECT_EQ(temperatureUnitLabel(state), "F");
    EXPECT_EQ(flowUnitLabel(state), "l/s");
    EXPECT_EQ(pressureUnitLabel(state), "mH2O");
    EXPECT_EQ(powerUnitLabel(state), "kW");
}

TEST(UnitConversion, LabelsAreEmptyBeforeStartUp)
{
    const AppState state{};
    EXPECT_EQ(flowUnitLabel(state), "");
    EXPECT_FALSE(effectiveFlowFactor(state));
}

} // namespace
