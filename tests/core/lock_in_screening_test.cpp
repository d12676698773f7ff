#include "shedding/lock_in_screening.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "shedding/correlation.h"
#include "shedding/number_text.h"
#include "shedding/screening_chart.h"
#include "shedding/shedding_curve.h"

namespace {

using shedding::Fluid;
using shedding::LockInVerdict;
using shedding::ScreeningCase;
using shedding::ScreeningConditions;
using shedding::ScreeningField;
using shedding::ScreeningFigureId;
using shedding::ScreeningInputError;
using shedding::ScreeningResult;
using shedding::UnitSystem;

std::string Shown(const shedding::ScreeningFigure& figure) {
  return shedding::FormatFigure(figure.value, figure.claimed, figure.format);
}

ScreeningConditions InFluid(Fluid fluid, double temperature, UnitSystem units = UnitSystem::Metric) {
  ScreeningConditions conditions;
  conditions.units = units;
  conditions.fluid = fluid;
  conditions.temperature = temperature;
  return conditions;
}

ScreeningConditions WithViscosity(double viscosity, UnitSystem units = UnitSystem::Metric) {
  ScreeningConditions conditions;
  conditions.units = units;
  conditions.viscosity = viscosity;
  return conditions;
}

ScreeningResult Screened(const ScreeningConditions& conditions, const ScreeningCase& cylinder) {
  const auto outcome = shedding::ScreenLockIn(conditions, cylinder);
  EXPECT_TRUE(std::holds_alternative<ScreeningResult>(outcome));
  return std::get<ScreeningResult>(outcome);
}

double Value(const ScreeningResult& result, ScreeningFigureId id) { return result.Figure(id).value; }

// Hand computations below: St on the log-log segment (Re_i, St_i)-(Re_j, St_j)
// is St_i * (Re / Re_i)^s with s = log10(St_j / St_i) / log10(Re_j / Re_i); at
// a crossing St * Re = fs * D^2 / nu, solved for Re on its segment.

// Fresh water at 20 C (nu = 1.0034e-6), V = 1, D = 0.1, fn = 2:
// Re = 99661.2; St = 0.2 * 9.96612^log10(0.95) = 0.190014; fs = 1.90014,
// fs/fn = 0.95007: lock-in. Vr = 5: cross-flow range only. fs = fn needs
// St*Re = 19932.2, on the 1e5-1e6 segment (s = 0.043466): Re = 1e5 *
// (19932.2/19000)^(1/1.043466) = 104697, Vcrit = 1.05053 < 1.25 V.
TEST(ScreenLockIn, FreshWaterCaseLocksIn) {
  const ScreeningResult result = Screened(InFluid(Fluid::FreshWater, 20), {1.0, 0.1, 2.0});
  EXPECT_NEAR(99661.2, Value(result, ScreeningFigureId::Reynolds), 0.1);
  EXPECT_NEAR(0.190014, Value(result, ScreeningFigureId::Strouhal), 2e-6);
  EXPECT_NEAR(1.90014, Value(result, ScreeningFigureId::SheddingFrequency), 2e-5);
  EXPECT_NEAR(0.95007, Value(result, ScreeningFigureId::FrequencyRatio), 1e-5);
  EXPECT_EQ(LockInVerdict::LockIn, result.verdict);
  EXPECT_DOUBLE_EQ(5.0, Value(result, ScreeningFigureId::ReducedVelocity));
  EXPECT_FALSE(result.inLineRange);
  EXPECT_TRUE(result.crossFlowRange);
  EXPECT_NEAR(1.05053, Value(result, ScreeningFigureId::CriticalVelocity), 1e-5);
  EXPECT_TRUE(result.investigate);
  EXPECT_EQ("investigate", result.eurocode.key);
  // The texts as shown: %.4g, St as %5.3f, ratios %.3g.
  EXPECT_EQ("9.966e+04", Shown(result.Figure(ScreeningFigureId::Reynolds)));
  EXPECT_EQ("0.190", Shown(result.Figure(ScreeningFigureId::Strouhal)));
  EXPECT_EQ("0.95", Shown(result.Figure(ScreeningFigureId::FrequencyRatio)));
  EXPECT_EQ("1.051", Shown(result.Figure(ScreeningFigureId::CriticalVelocity)));
  EXPECT_EQ("Critical velocity, fs = fn (m/sec)", result.Figure(ScreeningFigureId::CriticalVelocity).label);
}

// Sea water at 15 C (nu = 1.1892e-6), V = 0.5, D = 0.05, fn = 5: Re = 21022.5,
// St = 0.2 * 2.10225^log10(0.95) = 0.196717, fs/fn = 0.39343: outside the
// band. Vr = 2: in-line range. St*Re = 10511.3 on the 1e4-1e5 segment:
// Re = 1e4 * (10511.3/2000)^(1/0.977724) = 54581.3, Vcrit = 1.29816 > 0.625.
TEST(ScreenLockIn, SeaWaterCaseOutsideTheBandNeedNotBeInvestigated) {
  const ScreeningResult result = Screened(InFluid(Fluid::SeaWater, 15), {0.5, 0.05, 5.0});
  EXPECT_NEAR(0.196717, Value(result, ScreeningFigureId::Strouhal), 2e-6);
  EXPECT_NEAR(0.39343, Value(result, ScreeningFigureId::FrequencyRatio), 1e-5);
  EXPECT_EQ(LockInVerdict::OutsideBand, result.verdict);
  EXPECT_TRUE(result.inLineRange);
  EXPECT_FALSE(result.crossFlowRange);
  EXPECT_NEAR(1.29816, Value(result, ScreeningFigureId::CriticalVelocity), 2e-5);
  EXPECT_FALSE(result.investigate);
  EXPECT_EQ("need-not-investigate", result.eurocode.key);
}

// Air at 68 F (nu = 1.5060e-5 m^2/s = 1.62103e-4 ft^2/s), V = 10 ft/sec,
// D = 0.1 ft, fn = 20 Hz: Re = 6168.9, St = 0.21 * 6.1689^log10(0.2/0.21) =
// 0.202058, fs = 20.2058 Hz, fs/fn = 1.0103: lock-in; a band of 0.9 to 1.01
// leaves it outside.
TEST(ScreenLockIn, AirInEnglishUnitsAndASettableBand) {
  ScreeningConditions conditions = InFluid(Fluid::Air, 68, UnitSystem::English);
  const ScreeningResult result = Screened(conditions, {10.0, 0.1, 20.0});
  EXPECT_NEAR(6168.9, Value(result, ScreeningFigureId::Reynolds), 0.5);
  EXPECT_NEAR(20.2058, Value(result, ScreeningFigureId::SheddingFrequency), 2e-3);
  EXPECT_EQ(LockInVerdict::LockIn, result.verdict);
  EXPECT_EQ("Lock-in from velocity (ft/sec)", result.Figure(ScreeningFigureId::LockInSpeedLow).label);
  conditions.bandLow = 0.9;
  conditions.bandHigh = 1.01;
  EXPECT_EQ(LockInVerdict::OutsideBand, Screened(conditions, {10.0, 0.1, 20.0}).verdict);
}

// nu = 1e-3, V = 0.01, D = 0.1: Re = 1, no shedding and no lock-in figures;
// the crossing speeds still hold: St*Re = 2 * 0.01 / 1e-3 = 20 on the 50-500
// segment (s = log10(0.2/0.13) = 0.187087): Re = 50 * (20/6.5)^(1/1.187087) =
// 128.873, Vcrit = 1.28873.
TEST(ScreenLockIn, BelowTheOnsetNothingIsClaimedAboutLockIn) {
  const ScreeningResult result = Screened(WithViscosity(1e-3), {0.01, 0.1, 2.0});
  EXPECT_EQ(LockInVerdict::NoShedding, result.verdict);
  for (const auto id : {ScreeningFigureId::SheddingFrequency, ScreeningFigureId::FrequencyRatio}) {
    EXPECT_FALSE(result.Figure(id).claimed);
    EXPECT_TRUE(std::isnan(result.Figure(id).value));
    EXPECT_EQ("n/a", Shown(result.Figure(id)));
  }
  EXPECT_FALSE(result.inLineRange || result.crossFlowRange);
  EXPECT_NEAR(1.28873, Value(result, ScreeningFigureId::CriticalVelocity), 1e-5);
}

// A thin wire (D = 1 mm, nu = 1e-6): shedding starts at V = 0.047 with
// fs = St(47) * 47 * nu / D^2 = 0.1105 * 47 = 5.19 Hz, past the whole band
// around fn = 1 Hz: Vcrit is the onset speed and no speed locks in.
TEST(ScreenLockIn, SheddingThatStartsAboveTheBand) {
  const ScreeningResult result = Screened(WithViscosity(1e-6), {0.01, 1e-3, 1.0});
  EXPECT_NEAR(0.047, Value(result, ScreeningFigureId::CriticalVelocity), 1e-12);
  EXPECT_FALSE(result.Figure(ScreeningFigureId::LockInSpeedLow).claimed);
  EXPECT_FALSE(result.Figure(ScreeningFigureId::LockInSpeedHigh).claimed);
}

TEST(ScreenLockIn, EachInputErrorNamesItsField) {
  constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
  constexpr double kInfinity = std::numeric_limits<double>::infinity();
  const auto failed = [](const ScreeningConditions& conditions, const ScreeningCase& cylinder) {
    const auto outcome = shedding::ScreenLockIn(conditions, cylinder);
    EXPECT_TRUE(std::holds_alternative<ScreeningInputError>(outcome));
    return std::get<ScreeningInputError>(outcome);
  };
  const ScreeningCase good{1.0, 0.1, 2.0};
  for (double temperature : {-0.001, 40.001, kNaN}) {
    const auto error = failed(InFluid(Fluid::FreshWater, temperature), good);
    EXPECT_EQ(ScreeningField::Temperature, error.field);
    EXPECT_EQ("Temperature (deg C)", error.label);
  }
  EXPECT_EQ("must lie between 32 and 104 for sea water",
            failed(InFluid(Fluid::SeaWater, 105, UnitSystem::English), good).requirement);
  // Zero and below zero are temperatures like any other where the data hold.
  EXPECT_TRUE(std::holds_alternative<ScreeningResult>(
      shedding::ScreenLockIn(InFluid(Fluid::Air, -10), good)));
  for (double bad : {0.0, -1.0, 1e-40, kNaN, kInfinity}) {
    EXPECT_EQ(ScreeningField::Viscosity, failed(WithViscosity(bad), good).field) << bad;
    EXPECT_EQ(ScreeningField::Velocity, failed(WithViscosity(1e-6), {bad, 0.1, 2.0}).field) << bad;
    EXPECT_EQ(ScreeningField::Diameter, failed(WithViscosity(1e-6), {1.0, bad, 2.0}).field) << bad;
    EXPECT_EQ(ScreeningField::NaturalFrequency, failed(WithViscosity(1e-6), {1.0, 0.1, bad}).field) << bad;
  }
  EXPECT_EQ("Flow velocity (ft/sec)", failed(WithViscosity(1e-5, UnitSystem::English), {0, 1, 1}).label);
  for (const auto& [low, high] : {std::pair{1.2, 0.8}, {0.0, 1.2}, {0.8, 1.0}, {1.0, 1.2}, {0.8, kInfinity}}) {
    ScreeningConditions conditions = WithViscosity(1e-6);
    conditions.bandLow = low;
    conditions.bandHigh = high;
    EXPECT_EQ(ScreeningField::Band, failed(conditions, good).field);
  }
}

// Independent of the closed form: bisection on St(Re) * Re over the
// correlation as StrouhalFromReynolds gives it.
double BisectedReynolds(double product) {
  double low = shedding::kSheddingOnsetReynolds;
  double high = 1e12;
  for (int i = 0; i < 200; ++i) {
    const double middle = 0.5 * (low + high);
    (shedding::StrouhalFromReynolds(middle) * middle < product ? low : high) = middle;
  }
  return high;
}

TEST(SpeedForSheddingFrequency, FindsTheCrossingOnEverySegmentToFullPrecision) {
  // nu = 1e-6, D = 0.01: St*Re = fs * 100.
  for (double product : {5.5, 6.2, 50.0, 150.0, 1500.0, 9000.0, 50000.0, 1e6, 3e6}) {
    const double speed = shedding::SpeedForSheddingFrequency(product / 100.0, 0.01, 1e-6);
    const double expected = BisectedReynolds(product) * 1e-6 / 0.01;
    EXPECT_NEAR(expected, speed, 1e-13 * expected) << product;
  }
}

TEST(ScreeningChart, AxesReachPastTheCaseWithRoundTicks) {
  const ScreeningConditions conditions = InFluid(Fluid::FreshWater, 20);
  const ScreeningCase cylinder{1.0, 0.1, 2.0};
  const auto prepared = shedding::LockInScreening::Prepare(conditions);
  const auto& screening = std::get<shedding::LockInScreening>(prepared);
  const ScreeningResult result = Screened(conditions, cylinder);
  const shedding::ScreeningChart chart = shedding::ChartScreening(screening, cylinder, result);
  // 1.5 * max(V = 1, Vcrit = 1.05, top of the band 1.25) = 1.877: steps of 0.5 up to 2.
  EXPECT_EQ(2.0, chart.speedAxis.highest);
  ASSERT_EQ(5u, chart.speedAxis.ticks.size());
  EXPECT_EQ("1.5", chart.speedAxis.ticks[3].label);
  EXPECT_EQ(1.6, chart.bandLowFrequency);
  EXPECT_EQ(2.4, chart.bandHighFrequency);
  double previous = 0.0;
  for (const auto& point : chart.sheddingCurve) {
    EXPECT_GE(point.frequency, previous);
    EXPECT_LE(point.frequency, chart.frequencyAxis.highest);
    previous = point.frequency;
  }
  EXPECT_EQ(2.0, chart.sheddingCurve.back().speed);
  EXPECT_NEAR(1.90014, chart.operatingPoint.frequency, 2e-5);
}

TEST(ZeroBasedAxis, StepsOfOneTwoOrFive) {
  const auto axis = shedding::ZeroBasedAxis("f", 0.0123);
  EXPECT_DOUBLE_EQ(0.015, axis.highest);
  ASSERT_EQ(4u, axis.ticks.size());
  EXPECT_EQ("0.005", axis.ticks[1].label);
  EXPECT_EQ("0.015", axis.ticks[3].label);
  EXPECT_EQ(10.0, shedding::ZeroBasedAxis("f", 10.0).highest);
  EXPECT_EQ(1.0, shedding::ZeroBasedAxis("f", std::numeric_limits<double>::infinity()).highest);
}

}  // namespace
