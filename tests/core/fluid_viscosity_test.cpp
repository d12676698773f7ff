#include "shedding/fluid_viscosity.h"

#include <gtest/gtest.h>

namespace {

using shedding::Fluid;
using shedding::KinematicViscosity;
using shedding::UnitSystem;

constexpr double kSquareFoot = 0.09290304;  // m^2

// Printed in ITTC 7.5-02-01-03 (2011): fresh water at 15 and 20 C, sea water at 15 C.
TEST(KinematicViscosity, WaterAtTablePointsIsTheIttcValue) {
  EXPECT_DOUBLE_EQ(1.1386e-6, KinematicViscosity(Fluid::FreshWater, UnitSystem::Metric, 15));
  EXPECT_DOUBLE_EQ(1.0034e-6, KinematicViscosity(Fluid::FreshWater, UnitSystem::Metric, 20));
  EXPECT_DOUBLE_EQ(1.1892e-6, KinematicViscosity(Fluid::SeaWater, UnitSystem::Metric, 15));
  // 59 F is 15 C.
  EXPECT_NEAR(1.1386e-6 / kSquareFoot, KinematicViscosity(Fluid::FreshWater, UnitSystem::English, 59), 1e-15);
}

// Between the points, within the documented 5e-5 of the formulations behind
// the tables (IAPWS-95 with the IAPWS 2008 viscosity; TEOS-10 with Sharqawy
// et al. 2010), evaluated at those temperatures with python3-iapws and gsw.
TEST(KinematicViscosity, WaterBetweenTablePointsFollowsTheFormulations) {
  EXPECT_NEAR(1.123763e-6, KinematicViscosity(Fluid::FreshWater, UnitSystem::Metric, 15.5), 5e-5 * 1.12e-6);
  EXPECT_NEAR(1.773426e-6, KinematicViscosity(Fluid::FreshWater, UnitSystem::Metric, 0.3), 5e-5 * 1.77e-6);
  EXPECT_NEAR(9.268884e-7, KinematicViscosity(Fluid::SeaWater, UnitSystem::Metric, 25.5), 5e-5 * 9.27e-7);
  // 77.9 F is 25.5 C.
  EXPECT_NEAR(9.268884e-7 / kSquareFoot, KinematicViscosity(Fluid::SeaWater, UnitSystem::English, 77.9),
              5e-5 * 9.27e-7 / kSquareFoot);
}

// By hand at 20 C = 293.15 K: mu = 1.458e-6 * 293.15^1.5 / 403.55 = 1.8134e-5 Pa s,
// rho = 101325 * 28.9644 / (8314.32 * 293.15) = 1.2041 kg/m^3, nu = 1.5060e-5.
TEST(KinematicViscosity, AirFromSutherlandAndTheIdealGas) {
  EXPECT_NEAR(1.5060e-5, KinematicViscosity(Fluid::Air, UnitSystem::Metric, 20), 1e-9);
  EXPECT_NEAR(1.5060e-5 / kSquareFoot, KinematicViscosity(Fluid::Air, UnitSystem::English, 68), 1e-8);
  // Warmer air is more viscous, unlike water.
  EXPECT_GT(KinematicViscosity(Fluid::Air, UnitSystem::Metric, 60), KinematicViscosity(Fluid::Air, UnitSystem::Metric, -20));
}

TEST(FluidTemperatureRange, CoversWhatTheDataCover) {
  const auto water = shedding::FluidTemperatureRange(Fluid::SeaWater, UnitSystem::English);
  EXPECT_EQ(32.0, water.lowest);
  EXPECT_EQ(104.0, water.highest);
  const auto air = shedding::FluidTemperatureRange(Fluid::Air, UnitSystem::Metric);
  EXPECT_LE(air.lowest, -20.0);
  EXPECT_GE(air.highest, 60.0);
}

}  // namespace
