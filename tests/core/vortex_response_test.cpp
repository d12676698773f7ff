#include "shedding/vortex_response.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace {


using shedding::DampingMeasure;
using shedding::ResponseCase;
using shedding::ResponseField;
using shedding::ResponseFigureId;
using shedding::ResponseResult;
using shedding::SpanSupport;
using shedding::TubeSection;
using shedding::UnitSystem;

ResponseResult Computed(const ResponseCase& cylinder) {
  const auto outcome = shedding::ComputeVortexResponse(cylinder);
  EXPECT_TRUE(std::holds_alternative<ResponseResult>(outcome));
  return std::get<ResponseResult>(outcome);
}

void WithSteelTube(ResponseCase& cylinder) { cylinder.tube = TubeSection{0.0, 0.008, 2.1e11, 7850.0, 0.0}; }

double Value(const ResponseResult& result, ResponseFigureId id) { return result.At(id).value; }

ResponseCase Chimney() {
  ResponseCase chimney;
  chimney.diameter = 1.0;
  chimney.height = 30.0;
  chimney.naturalFrequency = 1.0;
  chimney.massPerLength = 200.0;
  chimney.damping = 0.012;
  chimney.meanWind = 25.0;
  return chimney;
}

// No worked example published outside this project, with every number of
// the Approach 1 chain, could be found to check against; this chain is
// worked by hand from EN 1991-1-4:2005 instead. b = 1 m, h = 30 m, fn = 1 Hz,
// me = 200 kg/m, delta_s = 0.012, vm = 25 m/s:
// Sc = 2 (0.012)(200) / 1.25 = 3.84; zeta = 0.012 / sqrt(4 pi^2 + 0.012^2)
// = 1.909856e-3, Ks = 4 pi 200 zeta / 1.25 = 3.839993; the amplitude chain
// (approach_one_amplitude_test) gives yF,max = 0.309543 m; Fw = 200 (2 pi)^2
// 0.309543 = 2444.05 N/m; the base moment Fw h^2 / 4 = 549911 N m;
// vcrit / v0 = 5.5556 / 5 = 1.11111, N = 2 (1.6e9) (1) (0.3) (1.234568)
// exp(-1.234568) = 3.44842e8 cycles; vcrit <= 1.25 vm: investigate.
TEST(VortexResponse, ChimneyWorkedByHand) {
  const ResponseResult result = Computed(Chimney());
  EXPECT_NEAR(3.84, Value(result, ResponseFigureId::Scruton), 1e-12);
  EXPECT_NEAR(1.909856e-3, Value(result, ResponseFigureId::DampingRatio), 1e-9);
  EXPECT_NEAR(3.839993, Value(result, ResponseFigureId::StabilityParameter), 1e-6);
  EXPECT_NEAR(0.309543, Value(result, ResponseFigureId::Amplitude), 1e-6);
  EXPECT_NEAR(2444.05, Value(result, ResponseFigureId::InertiaForce), 0.01);
  EXPECT_NEAR(549911, Value(result, ResponseFigureId::BaseMoment), 1);
  EXPECT_NEAR(3.44842e8, Value(result, ResponseFigureId::LoadCycles), 1e3);
  EXPECT_FALSE(result.At(ResponseFigureId::ChimneyFrequency).claimed);
  EXPECT_EQ("investigate", result.eurocode.key);
  EXPECT_EQ("settled", result.correlation.key);
  EXPECT_EQ("log-decrement-given", result.damping.key);
  EXPECT_EQ("figure-e2", result.figureSource.key);
  EXPECT_EQ("0.3095", shedding::FigureText(result.At(ResponseFigureId::Amplitude)));
  EXPECT_EQ("Amplitude yF,max (m)", result.At(ResponseFigureId::Amplitude).label);
}

// E.1.2(2): vcrit = 5.5556; 1.25 vm is 5.5625 at vm = 4.45 and 5.55 at 4.44.
// With the damping ratio 0.05 given, delta = 2 pi 0.05 / sqrt(0.9975) =
// 0.3145527.
TEST(VortexResponse, VerdictsAndDampingRatio) {
  ResponseCase chimney = Chimney();
  chimney.meanWind = 4.45;
  EXPECT_EQ("investigate", Computed(chimney).eurocode.key);
  chimney.meanWind = 4.44;
  EXPECT_EQ("need-not-investigate", Computed(chimney).eurocode.key);

  chimney.dampingMeasure = DampingMeasure::DampingRatio;
  chimney.damping = 0.05;
  const ResponseResult result = Computed(chimney);
  EXPECT_NEAR(0.3145527, Value(result, ResponseFigureId::LogDecrement), 1e-7);
  EXPECT_DOUBLE_EQ(0.05, Value(result, ResponseFigureId::DampingRatio));
  EXPECT_EQ("damping-ratio-given", result.damping.key);
  EXPECT_NEAR(0.1, shedding::DampingRatioFromLogDecrement(shedding::LogDecrementFromDampingRatio(0.1)), 1e-15);
}

// The same steel tube (D = 1 m, t = 8 mm, E = 210 GPa, 7850 kg/m^3, 30 m)
// typed in English units: 3.280840 ft, 0.0262467 ft, 30457924.9 psi,
// 490.0595 lb/ft^3, 98.42520 ft, vm 82.02100 ft/sec. Its figures are the
// metric ones in English units: 131.5135 lb/ft, yF,max / 0.3048, Fw / 14.593903
// (N/m per lbf/ft), the moment / 1.3558179 (N m per lbf ft).
TEST(VortexResponse, EnglishUnitsGiveTheSameTube) {
  ResponseCase metric = Chimney();
  WithSteelTube(metric);
  ResponseCase english = metric;
  english.units = UnitSystem::English;
  english.diameter = 1.0 / 0.3048;
  english.height = 30.0 / 0.3048;
  english.meanWind = 25.0 / 0.3048;
  english.tube = TubeSection{0.0, 0.008 / 0.3048, 30457924.923344, 490.059490523, 0.0};
  const ResponseResult inMetres = Computed(metric);
  const ResponseResult inFeet = Computed(english);
  EXPECT_NEAR(1.127935, Value(inMetres, ResponseFigureId::NaturalFrequency), 1e-6);
  EXPECT_NEAR(1.111111, Value(inMetres, ResponseFigureId::ChimneyFrequency), 1e-6);
  EXPECT_NEAR(131.5135, Value(inFeet, ResponseFigureId::MassPerLength), 1e-4);
  const struct {
    ResponseFigureId id;
    double scale;
  } rows[] = {{ResponseFigureId::NaturalFrequency, 1.0}, {ResponseFigureId::ChimneyFrequency, 1.0},
              {ResponseFigureId::Scruton, 1.0},          {ResponseFigureId::CriticalVelocity, 0.3048},
              {ResponseFigureId::Amplitude, 0.3048},     {ResponseFigureId::InertiaForce, 14.593903},
              {ResponseFigureId::BaseMoment, 1.3558179}, {ResponseFigureId::LoadCycles, 1.0}};
  for (const auto& row : rows) {
    const double metres = Value(inMetres, row.id);
    EXPECT_NEAR(metres, Value(inFeet, row.id) * row.scale, 1e-6 * std::fabs(metres)) << inMetres.At(row.id).key;
  }
  EXPECT_EQ("Inertia force at the antinode (lbf/ft)", inFeet.At(ResponseFigureId::InertiaForce).label);

  metric.support = SpanSupport::Pinned;
  const ResponseResult pinned = Computed(metric);
  EXPECT_FALSE(pinned.At(ResponseFigureId::ChimneyFrequency).claimed);
  EXPECT_FALSE(pinned.At(ResponseFigureId::BaseMoment).claimed);
  EXPECT_EQ("n/a", shedding::FigureText(pinned.At(ResponseFigureId::BaseMoment)));
}

TEST(VortexResponse, EveryInputErrorNamesItsField) {
  struct Row {
    void (*spoil)(ResponseCase&);
    ResponseField field;
  };
  const Row rows[] = {
      {[](ResponseCase& c) { c.diameter = 0.0; }, ResponseField::Diameter},
      {[](ResponseCase& c) { c.diameter = std::numeric_limits<double>::infinity(); }, ResponseField::Diameter},
      {[](ResponseCase& c) { c.height = -1.0; }, ResponseField::Height},
      {[](ResponseCase& c) { c.naturalFrequency = 0.0; }, ResponseField::NaturalFrequency},
      {[](ResponseCase& c) { c.massPerLength = std::numeric_limits<double>::quiet_NaN(); },
       ResponseField::MassPerLength},
      {[](ResponseCase& c) { WithSteelTube(c), c.tube->wallThickness = 0.5000001; }, ResponseField::WallThickness},
      {[](ResponseCase& c) { WithSteelTube(c), c.tube->wallThickness = 0.0; }, ResponseField::WallThickness},
      {[](ResponseCase& c) { WithSteelTube(c), c.tube->youngsModulus = 0.0; }, ResponseField::YoungsModulus},
      {[](ResponseCase& c) { WithSteelTube(c), c.tube->materialDensity = -7850.0; }, ResponseField::MaterialDensity},
      {[](ResponseCase& c) { WithSteelTube(c), c.tube->extraMass = -1e-9; }, ResponseField::ExtraMass},
      {[](ResponseCase& c) { c.damping = 0.0; }, ResponseField::LogDecrement},
      {[](ResponseCase& c) { c.dampingMeasure = DampingMeasure::DampingRatio, c.damping = 1.0; },
       ResponseField::DampingRatio},
      {[](ResponseCase& c) { c.meanWind = std::numeric_limits<double>::infinity(); }, ResponseField::MeanWind},
      {[](ResponseCase& c) { c.life = 0.0; }, ResponseField::Life},
  };
  for (const Row& row : rows) {
    ResponseCase cylinder = Chimney();
    row.spoil(cylinder);
    const auto outcome = shedding::ComputeVortexResponse(cylinder);
    ASSERT_TRUE(std::holds_alternative<shedding::InputError>(outcome))
        << shedding::ResponseFieldLabel(row.field, UnitSystem::Metric);
    const auto& error = std::get<shedding::InputError>(outcome);
    EXPECT_EQ(static_cast<int>(row.field), error.field) << error.label;
    EXPECT_EQ(shedding::ResponseFieldLabel(row.field, UnitSystem::Metric), error.label);
    EXPECT_FALSE(error.requirement.empty());
  }
  // A tube with no extra mass, and any damping ratio short of 1, are fine.
  ResponseCase fine = Chimney();
  WithSteelTube(fine);
  fine.dampingMeasure = DampingMeasure::DampingRatio;
  fine.damping = 0.99;
  EXPECT_TRUE(std::holds_alternative<ResponseResult>(shedding::ComputeVortexResponse(fine)));
}

}  // namespace
