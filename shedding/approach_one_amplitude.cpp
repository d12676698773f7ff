#include "shedding/approach_one_amplitude.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "shedding/en1991_annex_e_tables.h"

namespace shedding {
namespace {

using namespace en1991;

constexpr double kSettledWithin = 1e-12;
constexpr int kSimpsonIntervals = 2000;  // even

// Simpson's rule for the integral of |Phi| (or Phi^2) from a to b.
template <typename Integrand>
double Integral(Integrand integrand, double from, double to) {
  const double step = (to - from) / kSimpsonIntervals;
  double sum = integrand(from) + integrand(to);
  for (int i = 1; i < kSimpsonIntervals; ++i) sum += (i % 2 == 1 ? 4.0 : 2.0) * integrand(from + i * step);
  return sum * step / 3.0;
}

// Expression E.8 for one region at the antinode: the share of the integral
// of |Phi| over the span that lies within Lj around the antinode (the window
// kept within the span).
double ComputedCorrelationLengthFactor(const FirstMode& mode, double share) {
  const auto magnitude = [&mode](double x) { return std::fabs(mode.Shape(x)); };
  const double from = std::clamp(mode.Antinode() - share / 2.0, 0.0, 1.0 - share);
  return Integral(magnitude, from, from + share) / Integral(magnitude, 0.0, 1.0);
}

// Expression E.9: K = integral |Phi| / (4 pi integral Phi^2).
double ComputedModeShapeFactor(const FirstMode& mode) {
  const auto magnitude = [&mode](double x) { return std::fabs(mode.Shape(x)); };
  const auto square = [&mode](double x) { return mode.Shape(x) * mode.Shape(x); };
  return Integral(magnitude, 0.0, 1.0) / (4.0 * std::numbers::pi * Integral(square, 0.0, 1.0));
}

// The fixed-pinned mode, found once: the amplitude's iteration asks for it
// at every step.
const FirstMode& FixedPinnedMode() {
  static const FirstMode mode(SpanSupport::FixedPinned);
  return mode;
}

}  // namespace

double BasicLateralForceCoefficient(double reynolds) {
  const auto& points = kReadFromFigureE2;
  if (reynolds <= points.front().reynolds) return points.front().clat0;
  for (std::size_t i = 1; i < points.size(); ++i) {
    if (reynolds <= points[i].reynolds) {
      const FigurePoint& low = points[i - 1];
      const FigurePoint& high = points[i];
      const double share = std::log10(reynolds / low.reynolds) / std::log10(high.reynolds / low.reynolds);
      return low.clat0 + share * (high.clat0 - low.clat0);
    }
  }
  return points.back().clat0;
}

double LateralForceCoefficient(double basic, double velocityRatio) {
  if (velocityRatio <= kClatFullUpTo) return basic;
  if (velocityRatio < kClatZeroFrom) return (kClatRampIntercept - kClatRampSlope * velocityRatio) * basic;
  return 0.0;
}

double CorrelationLengthRatio(double amplitudeRatio) {
  if (amplitudeRatio < kCorrelationSmallAmplitude) return kCorrelationShort;
  if (amplitudeRatio > kCorrelationLargeAmplitude) return kCorrelationLong;
  return kCorrelationIntercept + kCorrelationSlope * amplitudeRatio;
}

double CorrelationLengthFactor(SpanSupport support, double lengthRatio, double slenderness) {
  // Lj cannot be longer than the span.
  const double share = std::min(lengthRatio / slenderness, 1.0);
  double kw = 0.0;
  switch (support) {
    case SpanSupport::Cantilever: kw = 3.0 * share * (1.0 - share + share * share / 3.0); break;
    case SpanSupport::Pinned: kw = std::cos(std::numbers::pi / 2.0 * (1.0 - share)); break;
    case SpanSupport::Fixed:
      kw = share + std::sin(std::numbers::pi * (1.0 - share)) / std::numbers::pi;
      break;
    case SpanSupport::FixedPinned: kw = ComputedCorrelationLengthFactor(FixedPinnedMode(), share); break;
  }
  return std::min(kw, kKwCeiling);
}

double ModeShapeFactor(SpanSupport support) {
  switch (support) {
    case SpanSupport::Cantilever: return kModeShapeFactorCantilever;
    case SpanSupport::Pinned: return kModeShapeFactorPinned;
    case SpanSupport::Fixed: return kModeShapeFactorFixed;
    case SpanSupport::FixedPinned: return ComputedModeShapeFactor(FixedPinnedMode());
  }
  return 0.0;
}

double ApproachOneAmplitudeRatio(double k, double kw, double clat, double scruton) {
  return k * kw * clat / (kStrouhalCircular * kStrouhalCircular * scruton);
}

AmplitudeResult ApproachOneAmplitude(const AmplitudeCase& cylinder, int iterationLimit) {
  AmplitudeResult result;
  const double b = cylinder.diameter;
  result.criticalVelocity = b * cylinder.naturalFrequency / kStrouhalCircular;
  result.reynolds = b * result.criticalVelocity / kAirViscosity;
  result.basicClat = BasicLateralForceCoefficient(result.reynolds);
  result.clat = LateralForceCoefficient(result.basicClat, result.criticalVelocity / cylinder.meanWind);
  result.k = ModeShapeFactor(cylinder.support);
  const double slenderness = cylinder.length / b;
  const auto ratioFor = [&](double kw) {
    return ApproachOneAmplitudeRatio(result.k, kw, result.clat, cylinder.scruton);
  };

  result.lengthRatio = kCorrelationShort;
  while (result.iterations < iterationLimit) {
    ++result.iterations;
    result.kw = CorrelationLengthFactor(cylinder.support, result.lengthRatio, slenderness);
    result.amplitudeRatio = ratioFor(result.kw);
    const double next = CorrelationLengthRatio(result.amplitudeRatio);
    const bool settled = std::fabs(next - result.lengthRatio) <= kSettledWithin * next;
    result.lengthRatio = next;
    if (settled) {
      result.settled = true;
      break;
    }
  }
  // Lj / b, Kw and the amplitude always belong together, settled or not.
  result.kw = CorrelationLengthFactor(cylinder.support, result.lengthRatio, slenderness);
  result.amplitudeRatio = ratioFor(result.kw);
  result.amplitude = result.amplitudeRatio * b;
  return result;
}

}  // namespace shedding
