#include "data/valve_models.h"

#include <gtest/gtest.h>

namespace {

TEST(ValveModels, DefaultsArePreferredAndAlternativePerKind)
{
    const ModelNames names = defaultModelNames();
    EXPECT_EQ(names[FixedOrificeKind].preferred, "Arvelo Quarz");
    EXPECT_EQ(names[FixedOrificeKind].alternative, "Arvelo Quarz");
    EXPECT_EQ(names[VariableOrificeKind].preferred, "Arvelo");
    EXPECT_EQ(names[VariableOrificeKind].alternative, "Arvelo Nodo");
    EXPECT_EQ(names[PressureIndependentKind].preferred, "Arvelo Flumen-A");
    EXPECT_EQ(names[PressureIndependentKind].alternative, "Arvelo Flumen-B");
    EXPECT_EQ(names[DpControllerKind].preferred, "Arvelo Statra-A");
    EXPECT_EQ(names[DpControllerKind].alternative, "Arvelo Statra-B");
}

TEST(ValveModels, EveryDefaultIsAModelOfItsKind)
{
    const ModelNames names = defaultModelNames();
    for (int kind = 0; kind < kValveKindCount; ++kind) {
        EXPECT_TRUE(modelPosition(kind, names[kind].preferred)) << kind;
        EXPECT_TRUE(modelPosition(kind, names[kind].alternative)) << kind;
    }
}

TEST(ValveModels, PositionsMatchWholeNamesOnly)
{
    EXPECT_EQ(modelPosition(VariableOrificeKind, "Arvelo Nodo Tesa"), 3u);
    EXPECT_FALSE(modelPosition(VariableOrificeKind, "arvelo"));
    EXPECT_FALSE(modelPosition(VariableOrificeKind, "Arvelo "));
    EXPECT_FALSE(modelPosition(FixedOrificeKind, "Arvelo"));
    EXPECT_TRUE(modelNamesOfKind(7).empty());
}

} // namespace
