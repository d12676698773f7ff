#include "shedding/lock_in_screening.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <utility>

#include "shedding/correlation.h"
#include "shedding/number_text.h"
#include "shedding/screen_lock_in.h"
#include "shedding/shedding_curve.h"

namespace {

using shedding::Fluid;
using shedding::InputError;
using shedding::ScreeningCase;
using shedding::ScreeningConditions;
using shedding::ScreeningField;
using shedding::ScreeningFigureId;
using shedding::ScreeningReport;
using shedding::ScreeningResult;
using shedding::UnitSystem;
using shedding::Verdict;
namespace verdicts = shedding::screening_verdicts;

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

ScreeningReport Reported(const ScreeningConditions& conditions, const ScreeningCase& cylinder) {
  auto outcome = shedding::ScreenLockIn(conditions, cylinder);
  if (const auto* error = std::get_if<InputError>(&outcome)) ADD_FAILURE() << error->label << " " << error->requirement;
  auto* report = std::get_if<ScreeningReport>(&outcome);
  return report ? std::move(*report) : ScreeningReport{};
}

ScreeningResult Screened(const ScreeningConditions& conditions, const ScreeningCase& cylinder) {
  return Reported(conditions, cylinder).result;
}

InputError Failed(const ScreeningConditions& conditions, const ScreeningCase& cylinder) {
  const auto outcome = shedding::ScreenLockIn(conditions, cylinder);
  EXPECT_TRUE(std::holds_alternative<InputError>(outcome));
  const auto* error = std::get_if<InputError>(&outcome);
  return error ? *error : InputError{-1, "", ""};
}

ScreeningField FieldOf(const InputError& error) { return static_cast<ScreeningField>(error.field); }

double Value(const ScreeningResult& result, ScreeningFigureId id) { return result.At(id).value; }

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
  EXPECT_EQ(verdicts::kLockIn, result.lockIn);
  EXPECT_DOUBLE_EQ(5.0, Value(result, ScreeningFigureId::ReducedVelocity));
  EXPECT_EQ("cross-flow", result.vivRanges.key);
  EXPECT_NEAR(1.05053, Value(result, ScreeningFigureId::CriticalVelocity), 1e-5);
  // The texts as shown: %.4g, St as %5.3f, ratios %.3g.
  EXPECT_EQ("9.966e+04", shedding::FigureText(result.At(ScreeningFigureId::Reynolds)));
  EXPECT_EQ("0.190", shedding::FigureText(result.At(ScreeningFigureId::Strouhal)));
  EXPECT_EQ("0.95", shedding::FigureText(result.At(ScreeningFigureId::FrequencyRatio)));
  EXPECT_EQ("1.051", shedding::FigureText(result.At(ScreeningFigureId::CriticalVelocity)));
  EXPECT_EQ("Critical velocity, fs = fn (m/sec)", result.At(ScreeningFigureId::CriticalVelocity).label);
}

// Sea water at 15 C (nu = 1.1892e-6), V = 0.5, D = 0.05, fn = 5: Re = 21022.5,
// St = 0.2 * 2.10225^log10(0.95) = 0.196717, fs/fn = 0.39343: outside the
// band. Vr = 2: in-line range. St*Re = 10511.3 on the 1e4-1e5 segment:
// Re = 1e4 * (10511.3/2000)^(1/0.977724) = 54581.3, Vcrit = 1.29816.
TEST(ScreenLockIn, SeaWaterCaseOutsideTheBand) {
  const ScreeningResult result = Screened(InFluid(Fluid::SeaWater, 15), {0.5, 0.05, 5.0});
  EXPECT_NEAR(0.196717, Value(result, ScreeningFigureId::Strouhal), 2e-6);
  EXPECT_NEAR(0.39343, Value(result, ScreeningFigureId::FrequencyRatio), 1e-5);
  EXPECT_EQ(verdicts::kOutsideBand, result.lockIn);
  EXPECT_EQ("in-line", result.vivRanges.key);
  EXPECT_NEAR(1.29816, Value(result, ScreeningFigureId::CriticalVelocity), 2e-5);
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
  EXPECT_EQ(verdicts::kLockIn, result.lockIn);
  EXPECT_EQ("Lock-in from velocity (ft/sec)", result.At(ScreeningFigureId::LockInSpeedLow).label);
  conditions.bandLow = 0.9;
  conditions.bandHigh = 1.01;
  EXPECT_EQ(verdicts::kOutsideBand, Screened(conditions, {10.0, 0.1, 20.0}).lockIn);
}

// nu = 1e-3, V = 0.01, D = 0.1: Re = 1, no shedding and no lock-in figures;
// the crossing speeds still hold: St*Re = 2 * 0.01 / 1e-3 = 20 on the 50-500
// segment (s = log10(0.2/0.13) = 0.187087): Re = 50 * (20/6.5)^(1/1.187087) =
// 128.873, Vcrit = 1.28873.
TEST(ScreenLockIn, BelowTheOnsetNothingIsClaimedAboutLockIn) {
  const ScreeningResult result = Screened(WithViscosity(1e-3), {0.01, 0.1, 2.0});
  EXPECT_EQ(verdicts::kNoShedding, result.lockIn);
  for (const auto id : {ScreeningFigureId::SheddingFrequency, ScreeningFigureId::FrequencyRatio}) {
    EXPECT_FALSE(result.At(id).claimed);
    EXPECT_TRUE(std::isnan(result.At(id).value));
    EXPECT_EQ("n/a", shedding::FigureText(result.At(id)));
  }
  EXPECT_EQ(verdicts::kNoViv, result.vivRanges);
  EXPECT_NEAR(1.28873, Value(result, ScreeningFigureId::CriticalVelocity), 1e-5);
}

// A thin wire (D = 1 mm, nu = 1e-6): shedding starts at V = 0.047 with
// fs = St(47) * 47 * nu / D^2 = 0.1105 * 47 = 5.19 Hz, past the whole band
// around fn = 1 Hz: Vcrit is the onset speed and no speed locks in.
TEST(ScreenLockIn, SheddingThatStartsAboveTheBand) {
  const ScreeningResult result = Screened(WithViscosity(1e-6), {0.01, 1e-3, 1.0});
  EXPECT_NEAR(0.047, Value(result, ScreeningFigureId::CriticalVelocity), 1e-12);
  EXPECT_FALSE(result.At(ScreeningFigureId::LockInSpeedLow).claimed);
  EXPECT_FALSE(result.At(ScreeningFigureId::LockInSpeedHigh).claimed);
}

TEST(ScreenLockIn, EachInputErrorNamesItsField) {
  constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
  constexpr double kInfinity = std::numeric_limits<double>::infinity();
  const ScreeningCase good{1.0, 0.1, 2.0};
  for (double temperature : {-0.001, 40.001, kNaN}) {
    const InputError error = Failed(InFluid(Fluid::FreshWater, temperature), good);
    EXPECT_EQ(ScreeningField::Temperature, FieldOf(error));
    EXPECT_EQ("Temperature (deg C)", error.label);
  }
  EXPECT_EQ("must lie between 32 and 104 for sea water",
            Failed(InFluid(Fluid::SeaWater, 105, UnitSystem::English), good).requirement);
  // Zero and below zero are temperatures like any other where the data hold.
  EXPECT_TRUE(std::holds_alternative<ScreeningReport>(shedding::ScreenLockIn(InFluid(Fluid::Air, -10), good)));
  for (double bad : {0.0, -1.0, 1e-40, kNaN, kInfinity}) {
    EXPECT_EQ(ScreeningField::Viscosity, FieldOf(Failed(WithViscosity(bad), good))) << bad;
    EXPECT_EQ(ScreeningField::Velocity, FieldOf(Failed(WithViscosity(1e-6), {bad, 0.1, 2.0}))) << bad;
    EXPECT_EQ(ScreeningField::Diameter, FieldOf(Failed(WithViscosity(1e-6), {1.0, bad, 2.0}))) << bad;
    EXPECT_EQ(ScreeningField::NaturalFrequency, FieldOf(Failed(WithViscosity(1e-6), {1.0, 0.1, bad}))) << bad;
  }
  const InputError velocity = Failed(WithViscosity(1e-5, UnitSystem::English), {0, 1, 1});
  EXPECT_EQ("Flow velocity (ft/sec)", velocity.label);
  EXPECT_EQ("must be finite and greater than 1e-40", velocity.requirement);
  for (const auto& [low, high] : {std::pair{1.2, 0.8}, {0.0, 1.2}, {0.8, 1.0}, {1.0, 1.2}, {0.8, kInfinity}}) {
    ScreeningConditions conditions = WithViscosity(1e-6);
    conditions.bandLow = low;
    conditions.bandHigh = high;
    EXPECT_EQ(ScreeningField::Band, FieldOf(Failed(conditions, good)));
  }
}

// Figures whose true value fits a double, though a step towards it does
// not; and figures that do not fit, which name the input that drives them.
TEST(ScreenLockIn, NoFigureThatFitsOverflowsAndNoneThatDoesNotIsShown) {
  // V*D = 1e400 on the way to Re = 1e300; St = 0.23 from then on.
  const ScreeningResult wide = Screened(WithViscosity(1e100), {1e200, 1e200, 1.0});
  EXPECT_DOUBLE_EQ(1e300, Value(wide, ScreeningFigureId::Reynolds));
  // f*D^2/nu = 1e310 on the way to Vcrit = f*D/St = 1e300/0.23.
  const ScreeningResult far = Screened(WithViscosity(1e-10), {1.0, 1e100, 1e200});
  EXPECT_NEAR(1e300 / 0.23, Value(far, ScreeningFigureId::CriticalVelocity), 1e288);
  EXPECT_NEAR(0.8e300 / 0.23, Value(far, ScreeningFigureId::LockInSpeedLow), 1e288);
  EXPECT_NEAR(1.2e300 / 0.23, Value(far, ScreeningFigureId::LockInSpeedHigh), 1e288);

  const struct {
    ScreeningCase cylinder;
    double viscosity;
    ScreeningField field;
  } beyond[] = {
      {{1e300, 1e300, 1.0}, 1e-30, ScreeningField::Velocity},            // Re = 1e630
      {{1e300, 1e-30, 1.0}, 1e-30, ScreeningField::Velocity},            // fs = 0.23e330
      {{1e300, 1.0, 1e-39}, 1.0, ScreeningField::NaturalFrequency},     // fs/fn = 0.23e339
      {{1e300, 1e-39, 1e-1}, 1e300, ScreeningField::Velocity},          // Vr = 1e340, no shedding
      {{1.0, 1e200, 1e200}, 1e-10, ScreeningField::NaturalFrequency},   // Vcrit = 1e400/0.23
  };
  for (const auto& [cylinder, viscosity, field] : beyond) {
    const InputError error = Failed(WithViscosity(viscosity), cylinder);
    EXPECT_EQ(field, FieldOf(error)) << error.requirement;
    EXPECT_NE(std::string::npos, error.requirement.find("within 1.798e+308")) << error.requirement;
  }
}

// Each rule at its edges: a case just inside and one just outside each.

// EN 1991-1-4, E.1.2(2): need not be investigated while Vcrit > 1.25 V; in
// air only, since the rule is for wind.
TEST(Rules, EurocodeMarginOfOneAndAQuarterInAirOnly) {
  const ScreeningCase probe{1.0, 0.1, 2.0};
  const double edge = Value(Screened(InFluid(Fluid::Air, 20), probe), ScreeningFigureId::CriticalVelocity) / 1.25;
  const struct {
    ScreeningConditions conditions;
    double speed;
    Verdict expected;
  } cases[] = {
      {InFluid(Fluid::Air, 20), edge * (1 - 1e-9), verdicts::kNeedNotInvestigate},
      {InFluid(Fluid::Air, 20), edge * (1 + 1e-9), verdicts::kInvestigate},
      {InFluid(Fluid::FreshWater, 20), edge, verdicts::kEurocodeNotApplicable},
      {InFluid(Fluid::SeaWater, 20), edge, verdicts::kEurocodeNotApplicable},
      {WithViscosity(1.5e-5), edge, verdicts::kEurocodeNotApplicable},
  };
  for (const auto& [conditions, speed, expected] : cases) {
    EXPECT_EQ(expected, Screened(conditions, {speed, probe.diameter, probe.naturalFrequency}).eurocode) << speed;
  }
}

// DNV-RP-C205, Sec. 9: in-line from Vr 1 to 4.5, cross-flow from 3 to 16,
// both ends counting; with D = fn = 1, Vr is V.
TEST(Rules, VivRangesIncludeTheirEnds) {
  const struct {
    double reduced;
    const char* key;
  } cases[] = {
      {0.999, "none"}, {1.0, "in-line"}, {2.999, "in-line"}, {3.0, "in-line+cross-flow"},
      {4.5, "in-line+cross-flow"}, {4.501, "cross-flow"}, {16.0, "cross-flow"}, {16.001, "none"},
  };
  for (const auto& [reduced, key] : cases) {
    EXPECT_EQ(key, Screened(WithViscosity(1e-6), {reduced, 1.0, 1.0}).vivRanges.key) << reduced;
  }
  // Without shedding no range is claimed, whatever Vr.
  EXPECT_EQ(verdicts::kNoViv, Screened(WithViscosity(1.0), {3.0, 1.0, 1.0}).vivRanges);
}

// LO <= fs/fn <= HI: a band that ends exactly at the case's ratio holds it,
// one a step narrower does not.
TEST(Rules, LockInBandIncludesBothEnds) {
  const ScreeningConditions conditions = WithViscosity(1e-6);
  const double fs = Value(Screened(conditions, {1.0, 0.1, 2.0}), ScreeningFigureId::SheddingFrequency);
  const ScreeningCase below{1.0, 0.1, fs / 0.9};  // fs/fn about 0.9
  const ScreeningCase above{1.0, 0.1, fs / 1.1};  // about 1.1
  const double low = Value(Screened(conditions, below), ScreeningFigureId::FrequencyRatio);
  const double high = Value(Screened(conditions, above), ScreeningFigureId::FrequencyRatio);
  const struct {
    double bandLow;
    double bandHigh;
    ScreeningCase cylinder;
    Verdict expected;
  } cases[] = {
      {low, 1.2, below, verdicts::kLockIn},
      {std::nextafter(low, 1.0), 1.2, below, verdicts::kOutsideBand},
      {0.8, high, above, verdicts::kLockIn},
      {0.8, std::nextafter(high, 1.0), above, verdicts::kOutsideBand},
  };
  for (const auto& [bandLow, bandHigh, cylinder, expected] : cases) {
    ScreeningConditions band = conditions;
    band.bandLow = bandLow;
    band.bandHigh = bandHigh;
    EXPECT_EQ(expected, Screened(band, cylinder).lockIn) << bandLow << " " << bandHigh;
  }
}

// Shedding from Re 47 on, 47 included; with D = nu = 1, Re is V.
TEST(Rules, SheddingStartsAtReynoldsFortySeven) {
  for (const auto& [reynolds, sheds] : {std::pair{47.0, true}, {std::nextafter(47.0, 0.0), false}}) {
    const ScreeningResult result = Screened(WithViscosity(1.0), {reynolds, 1.0, 1.0});
    EXPECT_EQ(sheds, result.lockIn != verdicts::kNoShedding) << reynolds;
    EXPECT_EQ(sheds, result.At(ScreeningFigureId::SheddingFrequency).claimed) << reynolds;
    EXPECT_EQ(sheds, shedding::SheddingFrequency(reynolds, 1.0, 1.0) > 0.0) << reynolds;
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
  const shedding::Chart chart = Reported(InFluid(Fluid::FreshWater, 20), {1.0, 0.1, 2.0}).chart;
  // 1.5 * max(V = 1, Vcrit = 1.05, top of the band 1.25) = 1.877: steps of 0.5 up to 2.
  EXPECT_EQ(2.0, chart.xAxis.highest);
  ASSERT_EQ(5u, chart.xAxis.ticks.size());
  EXPECT_EQ("1.5", chart.xAxis.ticks[3].label);
  EXPECT_EQ(1.6, chart.band.yLow);
  EXPECT_EQ(2.4, chart.band.yHigh);
  double previous = 0.0;
  for (const auto& point : chart.curve) {
    EXPECT_GE(point.y, previous);
    EXPECT_LE(point.y, chart.yAxis.highest);
    previous = point.y;
  }
  EXPECT_EQ(2.0, chart.curve.back().x);
  EXPECT_NEAR(1.90014, chart.point.y, 2e-5);
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

// Where values land along an axis: beyond either end they stay at it.
TEST(ZeroBasedAxis, SharesStayWithinTheAxis) {
  const auto axis = shedding::ZeroBasedAxis("V", 2.0);
  for (const auto& [value, share] : {std::pair{-1.0, 0.0}, {0.0, 0.0}, {0.5, 0.25}, {2.0, 1.0}, {3.0, 1.0}}) {
    EXPECT_EQ(share, axis.Share(value)) << value;
  }
}

}  // namespace
