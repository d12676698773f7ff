#pragma once
// The first natural frequency of a uniform circular tube, for when the user
// does not know it: by Euler-Bernoulli beam theory for any of the supports,
// and by EN 1991-1-4's estimate for steel chimneys beside it. SI units.

#include "shedding/beam_mode.h"

namespace shedding {

struct TubeSection {
  double outsideDiameter = 0.0;  // m
  double wallThickness = 0.0;    // m, at most half the diameter (a solid bar)
  double youngsModulus = 0.0;    // Pa
  double materialDensity = 0.0;  // kg/m^3
  double extraMass = 0.0;        // kg/m: lining, insulation, platforms spread along it
};

// The wall's own mass per length, rho pi (D^2 - d^2) / 4, in kg/m.
double TubeWallMass(const TubeSection& tube);

// The second moment of area, pi (D^4 - d^4) / 64, in m^4.
double TubeSecondMoment(const TubeSection& tube);

// f1 = lambda1^2 / (2 pi L^2) sqrt(E I / m), m the wall's mass plus the
// extra mass (Blevins 1979, Table 8-1), in Hz.
double TubeNaturalFrequency(const TubeSection& tube, SpanSupport support, double length);

// EN 1991-1-4:2005, F.2(3), expression F.3, for a steel chimney of one
// diameter (heff = h): n1 = eps1 b / h^2 sqrt(Ws / Wt), eps1 = 1000, Ws the
// weight of the parts that give stiffness (the wall), Wt the whole weight.
double SteelChimneyFrequency(const TubeSection& tube, double height);

}  // namespace shedding
