#include "shedding/tube_natural_frequency.h"

#include <cmath>
#include <numbers>

#include "shedding/en1991_annex_e_tables.h"

namespace shedding {
namespace {

double InsideDiameter(const TubeSection& tube) { return tube.outsideDiameter - 2.0 * tube.wallThickness; }

}  // namespace

double TubeWallMass(const TubeSection& tube) {
  const double outside = tube.outsideDiameter;
  const double inside = InsideDiameter(tube);
  return tube.materialDensity * std::numbers::pi / 4.0 * (outside * outside - inside * inside);
}

double TubeSecondMoment(const TubeSection& tube) {
  const double outside = tube.outsideDiameter;
  const double inside = InsideDiameter(tube);
  return std::numbers::pi / 64.0 * (std::pow(outside, 4) - std::pow(inside, 4));
}

double TubeNaturalFrequency(const TubeSection& tube, SpanSupport support, double length) {
  const double lambda = FirstModeEigenvalue(support);
  const double mass = TubeWallMass(tube) + tube.extraMass;
  const double stiffness = tube.youngsModulus * TubeSecondMoment(tube);
  return lambda * lambda / (2.0 * std::numbers::pi * length * length) * std::sqrt(stiffness / mass);
}

double SteelChimneyFrequency(const TubeSection& tube, double height) {
  const double wall = TubeWallMass(tube);
  return en1991::kSteelChimneyFrequencyConstant * tube.outsideDiameter / (height * height) *
         std::sqrt(wall / (wall + tube.extraMass));
}

}  // namespace shedding
