#include "shedding/tube_natural_frequency.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

using shedding::SpanSupport;

// Each eigenvalue is the first root of its support's frequency equation
// (Blevins 1979, Table 8-1), and its mode meets the free or pinned end.
TEST(BeamMode, EigenvaluesSolveTheirFrequencyEquations) {
  const double cantilever = shedding::FirstModeEigenvalue(SpanSupport::Cantilever);
  EXPECT_NEAR(0.0, std::cos(cantilever) * std::cosh(cantilever) + 1.0, 1e-7);
  EXPECT_NEAR(0.0, std::sin(shedding::FirstModeEigenvalue(SpanSupport::Pinned)), 1e-15);
  const double fixedPinned = shedding::FirstModeEigenvalue(SpanSupport::FixedPinned);
  EXPECT_NEAR(0.0, std::tan(fixedPinned) - std::tanh(fixedPinned), 1e-7);
  const double fixed = shedding::FirstModeEigenvalue(SpanSupport::Fixed);
  EXPECT_NEAR(0.0, std::cos(fixed) * std::cosh(fixed) - 1.0, 1e-6);

  EXPECT_NEAR(1.0, shedding::FirstMode(SpanSupport::Cantilever).Shape(1.0), 1e-12);
  EXPECT_NEAR(0.0, shedding::FirstMode(SpanSupport::FixedPinned).Shape(1.0), 1e-6);
  EXPECT_NEAR(0.0, shedding::FirstMode(SpanSupport::Fixed).Shape(1.0), 1e-6);
  EXPECT_NEAR(0.5, shedding::FirstMode(SpanSupport::Fixed).Antinode(), 1e-4);
}

// A steel tube D = 1 m, t = 8 mm, E = 210 GPa, 7850 kg/m^3, 30 m long, by
// hand: m = 195.7137 kg/m, I = 3.066995e-3 m^4, sqrt(EI/m) = 1814.07, so
// f1 = lambda^2 / (2 pi 900) * 1814.07 for each support; with 100 kg/m more
// the root takes sqrt(195.71/295.71). EN 1991-1-4's F.3 gives 1000 / 900 =
// 1.1111 Hz alone and 0.903925 Hz with the extra mass.
TEST(TubeNaturalFrequency, SteelTubeByHand) {
  shedding::TubeSection tube{1.0, 0.008, 2.1e11, 7850.0, 0.0};
  EXPECT_NEAR(195.7137, shedding::TubeWallMass(tube), 1e-4);
  EXPECT_NEAR(3.066995e-3, shedding::TubeSecondMoment(tube), 1e-9);
  struct Row {
    SpanSupport support;
    double bare;
    double lined;
  };
  const Row rows[] = {{SpanSupport::Cantilever, 1.127935, 0.917612},
                      {SpanSupport::Pinned, 3.166161, 2.575775},
                      {SpanSupport::FixedPinned, 4.946148, 4.023852},
                      {SpanSupport::Fixed, 7.177331, 5.838992}};
  for (const Row& row : rows) {
    tube.extraMass = 0.0;
    EXPECT_NEAR(row.bare, shedding::TubeNaturalFrequency(tube, row.support, 30.0), 2e-6) << SupportName(row.support);
    tube.extraMass = 100.0;
    EXPECT_NEAR(row.lined, shedding::TubeNaturalFrequency(tube, row.support, 30.0), 2e-6) << SupportName(row.support);
  }
  tube.extraMass = 0.0;
  EXPECT_NEAR(1.111111, shedding::SteelChimneyFrequency(tube, 30.0), 1e-6);
  tube.extraMass = 100.0;
  EXPECT_NEAR(0.903925, shedding::SteelChimneyFrequency(tube, 30.0), 1e-6);
  // A thin steel cantilever tube has f1 = 1.8751^2 / (2 pi) sqrt(E / (8 rho))
  // b / h^2 = 1023 b / h^2: the standard's eps1 = 1000 is that, rounded.
  EXPECT_NEAR(shedding::TubeNaturalFrequency(tube, SpanSupport::Cantilever, 30.0),
              shedding::SteelChimneyFrequency(tube, 30.0), 0.03);
}

}  // namespace
