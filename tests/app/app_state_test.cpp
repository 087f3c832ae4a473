#include "app/app_state.h"

#include <gtest/gtest.h>

namespace {

TEST(AppState, BeforeAnyCalculationEveryResultGroupReadsNotFound)
{
    const AppState state{};
    EXPECT_EQ(state.fobvFound, 0);
    EXPECT_EQ(state.fobvCommFound, 0);
    EXPECT_EQ(state.vobvFound, 0);
    EXPECT_EQ(state.picvFound, 0);
    EXPECT_EQ(state.picvCheckFound, 0);
    EXPECT_EQ(state.dpcvFound, 0);
    EXPECT_FALSE(state.fobvChosen || state.fobvCommChosen || state.vobvChosen || state.picvChosen ||
                 state.picvCheckRow || state.dpcvChosen);
    EXPECT_TRUE(state.fobvRows.empty() && state.fobvCommRows.empty() && state.vobvRows.empty() &&
                state.picvRows.empty() && state.picvAllRows.empty() && state.dpcvRows.empty());
    EXPECT_EQ(state.languageIndex, 0);
}

TEST(AppState, ChosenFluidOnlyWhenTheTableHasThatEntry)
{
    AppState state{};
    EXPECT_EQ(chosenFluid(state), nullptr);
    state.engine.fluids.resize(2);
    state.engine.fluidIndex = 1;
    EXPECT_EQ(chosenFluid(state), &state.engine.fluids[1]);
    state.engine.fluidIndex = 5;
    EXPECT_EQ(chosenFluid(state), nullptr);
}

} // namespace
