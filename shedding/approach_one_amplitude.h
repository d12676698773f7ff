#pragma once
// The largest cross-wind amplitude of a circular cylinder in vortex
// resonance by EN 1991-1-4:2005, Annex E, Approach 1 (E.1.5.2), in SI units,
// with each of its tables on its own so that each can be checked by hand.

#include "shedding/beam_mode.h"

namespace shedding {

// Table E.2 with Figure E.2: clat,0 of a circular cylinder at Re(vcrit).
double BasicLateralForceCoefficient(double reynolds);

// Table E.3: clat from clat,0 and vcrit / vm.
double LateralForceCoefficient(double basic, double velocityRatio);

// Table E.4: Lj / b from yF / b.
double CorrelationLengthRatio(double amplitudeRatio);

// Table E.5 (and expression E.8 where the table has no row): Kw for a
// correlation length Lj / b on a span of slenderness lambda = l / b, with
// Lj at the antinode; never above 0.6.
double CorrelationLengthFactor(SpanSupport support, double lengthRatio, double slenderness);

// Table E.5 (and expression E.9 where the table has no row): K.
double ModeShapeFactor(SpanSupport support);

struct AmplitudeCase {
  SpanSupport support = SpanSupport::Cantilever;
  double diameter = 0.0;          // b, m
  double length = 0.0;            // l, m: the height or the span
  double naturalFrequency = 0.0;  // Hz
  double scruton = 0.0;           // Sc
  double meanWind = 0.0;          // vm at the height of shedding, m/s
};

struct AmplitudeResult {
  double criticalVelocity = 0.0;  // E.1.3.1, expression E.1: vcrit = b n / St
  double reynolds = 0.0;          // E.1.3.4, expression E.5
  double basicClat = 0.0;
  double clat = 0.0;
  double lengthRatio = 0.0;  // Lj / b
  double kw = 0.0;
  double k = 0.0;
  double amplitude = 0.0;  // yF,max, m
  double amplitudeRatio = 0.0;
  int iterations = 0;
  bool settled = false;  // Lj / b and yF,max agree to 1e-12
};

inline constexpr int kAmplitudeIterationLimit = 100;

// yF,max / b = K Kw clat / (St^2 Sc) (E.1.5.2.1, expression E.7), St by
// Table E.1.
double ApproachOneAmplitudeRatio(double k, double kw, double clat, double scruton);

// yF,max by expression E.7 (ApproachOneAmplitudeRatio), with Lj from the
// amplitude itself: iterated from Lj / b = 6 until Lj / b settles, at most
// iterationLimit times.
AmplitudeResult ApproachOneAmplitude(const AmplitudeCase& cylinder, int iterationLimit = kAmplitudeIterationLimit);

}  // namespace shedding
