#pragma once
// The vortex-induced response of a circular cylinder in wind, by
// EN 1991-1-4:2005, Annex E, Approach 1: its natural frequency (given, or
// estimated for a uniform tube), its mass-damping, the largest cross-wind
// amplitude, the inertia force that amplitude brings, the base moment of a
// cantilever and the number of load cycles over a design life. Every figure
// comes as a number and as the text to show, as the lock-in screening's do.

#include <array>
#include <optional>
#include <string>
#include <variant>

#include "shedding/beam_mode.h"
#include "shedding/figure.h"
#include "shedding/input_error.h"
#include "shedding/verdict.h"
#include "shedding/shed_analysis.h"
#include "shedding/tube_natural_frequency.h"

namespace shedding {

inline constexpr double kDefaultDesignLife = 50.0;  // years

enum class DampingMeasure { LogDecrement, DampingRatio };

// Metric: m, m/sec, kg/m, Pa, kg/m^3. English: ft, ft/sec, lb/ft, psi,
// lb/ft^3. Frequencies in Hz and the life in years in both.
struct ResponseCase {
  UnitSystem units = UnitSystem::Metric;
  double diameter = 0.0;  // b
  double height = 0.0;    // the height of a cantilever, or the span
  SpanSupport support = SpanSupport::Cantilever;
  // Either fn and me are given, or the tube is, and they are computed.
  double naturalFrequency = 0.0;
  double massPerLength = 0.0;
  std::optional<TubeSection> tube;  // its diameter is the diameter above
  DampingMeasure dampingMeasure = DampingMeasure::LogDecrement;
  double damping = 0.0;
  double meanWind = 0.0;  // characteristic mean wind speed at the height of shedding
  double life = kDefaultDesignLife;
};

enum class ResponseField {
  Diameter,
  Height,
  NaturalFrequency,
  MassPerLength,
  WallThickness,
  YoungsModulus,
  MaterialDensity,
  ExtraMass,
  LogDecrement,
  DampingRatio,
  MeanWind,
  Life,
};

// "Diameter (m)", "Young's modulus (psi)", ...
std::string ResponseFieldLabel(ResponseField field, UnitSystem units);

enum class ResponseFigureId {
  NaturalFrequency,
  ChimneyFrequency,  // EN 1991-1-4 F.2(3); a cantilever tube only
  MassPerLength,
  LogDecrement,
  DampingRatio,
  Scruton,
  StabilityParameter,
  CriticalVelocity,
  Reynolds,
  LateralForceCoefficient,
  CorrelationLengthRatio,
  CorrelationLengthFactor,
  ModeShapeFactor,
  Amplitude,
  AmplitudeRatio,
  InertiaForce,
  BaseMoment,  // a cantilever only
  LoadCycles,
};
inline constexpr std::size_t kResponseFigureCount = 18;

struct ResponseResult {
  std::array<Figure, kResponseFigureCount> figures;
  Verdict eurocode;
  int iterations = 0;
  Verdict correlation;
  Verdict damping;    // which measure was given
  Verdict frequency;  // given or estimated
  Verdict figureSource;  // what is read from a figure of the standard

  const Figure& At(ResponseFigureId id) const { return figures[static_cast<std::size_t>(id)]; }
};

// An input error names its field as a ResponseField.
using ResponseOutcome = Outcome<ResponseResult>;

// Every value must be finite: b, the height, fn, me, E, the densities, the
// damping, vm and the life above 1e-40, the damping ratio below 1, the wall
// at most half the diameter, the extra mass not negative.
ResponseOutcome ComputeVortexResponse(const ResponseCase& cylinder);

// delta = 2 pi zeta / sqrt(1 - zeta^2) and back, exactly.
double LogDecrementFromDampingRatio(double ratio);
double DampingRatioFromLogDecrement(double decrement);

}  // namespace shedding
