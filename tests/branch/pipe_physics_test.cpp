// The physics of a riser section: water's properties by temperature, the
// Darcy friction factor and the loss of a section, against figures worked
// by hand from the published tables and equations.

#include "branch/control_valve_drop.h"
#include "branch/friction_factor.h"
#include "branch/pipe_section_loss.h"
#include "branch/water_properties.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

struct WaterCase {
    double celsius;
    double density;            // kg/m3
    double viscosityMm2PerS;   // kinematic
};

TEST(WaterProperties, FromTheTableAndBetweenItsRowsLinearly)
{
    const WaterCase cases[] = {
        {0.0, 999.84, 1.7917},
        {20.0, 998.21, 1.0034},
        {60.0, 983.20, 0.4740},
        // Halfway between 60 C (983.20; 0.4740) and 70 C (977.76; 0.4127).
        {65.0, 980.48, 0.44335},
        // A quarter of the way from 10 C (999.70; 1.3064) to 20 C.
        {12.5, 999.3275, 1.23065},
        {100.0, 958.35, 0.2940},
    };
    for (const WaterCase& c : cases) {
        SCOPED_TRACE(c.celsius);
        const auto water = waterAt(c.celsius);
        ASSERT_TRUE(water);
        EXPECT_NEAR(water->density, c.density, 1e-9);
        EXPECT_NEAR(water->kinematicViscosity, c.viscosityMm2PerS * 1e-6, 1e-15);
    }
    for (const double outside : {-0.1, 100.1, std::nan("")})
        EXPECT_FALSE(waterAt(outside)) << outside;
}

struct FrictionCase {
    const char* name;
    double reynolds;
    double relativeRoughness;
    double lambda;
    double tolerance;
};

TEST(DarcyFrictionFactor, LaminarBelow2320AndColebrookAbove)
{
    const FrictionCase cases[] = {
        {"laminar: 64 / 1000", 1000.0, 0.001, 0.064, 1e-12},
        {"laminar just below the limit: 64 / 2319", 2319.0, 0.0, 64.0 / 2319.0, 1e-12},
        // The Moody chart (Colebrook): Re 1e5 at k/d 0.001 reads 0.0222,
        // smooth 0.0180; Re 1e6 at k/d 1e-4 reads 0.0134.
        {"rough", 1e5, 0.001, 0.02217, 5e-5},
        {"smooth", 1e5, 0.0, 0.01799, 5e-5},
        {"very turbulent", 1e6, 1e-4, 0.01344, 5e-5},
        {"no flow", 0.0, 0.001, 0.0, 0.0},
    };
    for (const FrictionCase& c : cases)
        EXPECT_NEAR(darcyFrictionFactor(c.reynolds, c.relativeRoughness), c.lambda, c.tolerance) << c.name;
}

TEST(DarcyFrictionFactor, SolvesColebrookWhiteToTheStatedPrecision)
{
    for (const double reynolds : {2320.0, 4000.0, 3e4, 2e5, 5e6})
        for (const double roughness : {0.0, 1e-5, 0.001, 0.02}) {
            const double lambda = darcyFrictionFactor(reynolds, roughness);
            // The equation solved for lambda from its right-hand side.
            const double rhs = -2.0 * std::log10(roughness / 3.71 + 2.51 / (reynolds * std::sqrt(lambda)));
            EXPECT_NEAR(lambda, 1.0 / (rhs * rhs), 2e-6) << reynolds << " " << roughness;
        }
}

// Water at 60 C (983.20 kg/m3, 0.4740 mm2/s) through 20 m of 41.9 mm steel
// pipe (k 0.045 mm) with fittings of zeta 2, at 1.3 l/s:
//   w = 0.0013 / (pi x 0.0419^2 / 4) = 0.9428 m/s
//   Re = 0.9428 x 0.0419 / 0.474e-6 = 83341
//   lambda (Colebrook, k/d = 0.001074) = 0.02281
//   loss = (0.02281 x 20 / 0.0419 + 2) x 983.20 x 0.9428^2 / 2 = 5631 Pa
// The same pipe at 0.02 l/s is laminar: w 0.01450 m/s, Re 1282,
// lambda 64 / 1282 = 0.04992, loss (0.04992 x 20 / 0.0419 + 2) x 983.20 x
// 0.01450^2 / 2 = 2.671 Pa.
TEST(PipeSectionLoss, TurbulentAndLaminarSections)
{
    const FluidProperties water{983.20, 0.4740e-6};
    const PipeSection pipe{20.0f, 41.9f, 0.045f, 2.0f};
    const SectionHydraulics turbulent = pipeSectionLoss(pipe, 1.3, water);
    EXPECT_NEAR(turbulent.velocity, 0.9428, 1e-4);
    EXPECT_NEAR(turbulent.reynolds, 83341.0, 1.0);
    EXPECT_NEAR(turbulent.frictionFactor, 0.02281, 1e-5);
    EXPECT_NEAR(turbulent.lossKpa, 5.631, 1e-3);

    const SectionHydraulics laminar = pipeSectionLoss(pipe, 0.02, water);
    EXPECT_NEAR(laminar.velocity, 0.01450, 1e-5);
    EXPECT_NEAR(laminar.reynolds, 1282.0, 1.0);
    EXPECT_NEAR(laminar.frictionFactor, 64.0 / laminar.reynolds, 1e-12);
    EXPECT_NEAR(laminar.lossKpa, 0.002671, 2e-6);
}

// Kv 2,5 at 0,3 l/s (1,08 m3/h): (1,08 / 2,5)^2 bar = 0,1866 bar = 18,66 kPa;
// a glycol mixture of relative density 1,062 takes 1,062 times that.
TEST(ControlValveDrop, FromItsKvs)
{
    EXPECT_NEAR(controlValveDrop(0.3f, 2.5f, 1.0f), 18.6624f, 1e-3f);
    EXPECT_NEAR(controlValveDrop(0.3f, 2.5f, 1.062f), 18.6624f * 1.062f, 1e-3f);
}

} // namespace
