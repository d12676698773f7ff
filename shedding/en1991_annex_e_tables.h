#pragma once
// The constants and tables of EN 1991-1-4:2005 (incorporating corrigendum
// January 2010 and A1:2010), Annex E (vortex shedding) and Annex F (dynamic
// characteristics), that the vortex-induced response uses. Clause and
// expression numbers are the standard's own.
//
// The standard's text was not reachable from where this was written: every
// value below is as EN 1991-1-4:2005 prints it to the best of our reading,
// not checked line by line against a copy of the text. Where a value can be
// derived (Table E.5's K from expression E.9 and the table's own mode
// shapes), the tests derive it. The one set of values the standard gives
// only as a curve is kReadFromFigureE2, and every figure built on it says so.

#include <array>

namespace shedding::en1991 {

// Table E.1: Strouhal number of a circular cylinder, for every Reynolds number.
inline constexpr double kStrouhalCircular = 0.18;

// E.1.3.3(1), expression E.4: the air density in the Scruton number.
inline constexpr double kAirDensity = 1.25;  // kg/m^3

// E.1.3.4(1), expression E.5: the kinematic viscosity of air in Re(vcrit).
inline constexpr double kAirViscosity = 15e-6;  // m^2/s

// E.1.2(2): vortex shedding need not be investigated when vcrit > 1.25 vm.
inline constexpr double kInvestigationMargin = 1.25;

// Table E.2 with Figure E.2: the basic lateral force coefficient clat,0 of a
// circular cylinder against Re(vcrit). The standard gives these only as the
// curve of Figure E.2; the corner points below are READ FROM FIGURE E.2, not
// from the text. Between corners clat,0 is linear in log10(Re), and constant
// beyond the first and the last.
struct FigurePoint {
  double reynolds;
  double clat0;
};
inline constexpr std::array<FigurePoint, 4> kReadFromFigureE2 = {{
    {3e5, 0.7},
    {5e5, 0.2},
    {5e6, 0.2},
    {1e7, 0.3},
}};
inline constexpr const char* kFigureE2Note = "clat,0 read from Figure E.2 of EN 1991-1-4";

// Table E.3: clat against vcrit / vm,Lj. clat = clat,0 up to 0.83,
// (3 - 2.4 vcrit/vm) clat,0 up to 1.25, and 0 from there.
inline constexpr double kClatFullUpTo = 0.83;
inline constexpr double kClatZeroFrom = 1.25;
inline constexpr double kClatRampIntercept = 3.0;
inline constexpr double kClatRampSlope = 2.4;

// Table E.4: the correlation length Lj/b against yF(sj)/b: 6 below 0.1,
// 4.8 + 12 yF/b from 0.1 to 0.6, 12 above 0.6.
inline constexpr double kCorrelationSmallAmplitude = 0.1;
inline constexpr double kCorrelationLargeAmplitude = 0.6;
inline constexpr double kCorrelationShort = 6.0;
inline constexpr double kCorrelationLong = 12.0;
inline constexpr double kCorrelationIntercept = 4.8;
inline constexpr double kCorrelationSlope = 12.0;

// E.1.5.2.4(1), expression E.8: Kw never exceeds 0.6.
inline constexpr double kKwCeiling = 0.6;

// Table E.5: the mode shape factor K of a cantilever (first mode, the shape
// of F.3 with zeta = 2.0), of a simply supported span (a half sine) and of a
// span fixed at both ends. A span fixed at one end and pinned at the other
// is not in the table: K and Kw come from E.8 and E.9 on its beam mode.
inline constexpr double kModeShapeFactorCantilever = 0.13;
inline constexpr double kModeShapeFactorPinned = 0.10;
inline constexpr double kModeShapeFactorFixed = 0.11;

// E.1.5.2.6(1), expression E.10: the number of load cycles.
// T is the life in seconds, 3.2e7 times the life in years; eps0 the
// bandwidth factor, 0.3; v0 may be taken as 20 % of the characteristic
// mean wind velocity at the height where vortex shedding occurs.
inline constexpr double kSecondsPerYear = 3.2e7;
inline constexpr double kBandwidthFactor = 0.3;
inline constexpr double kWeibullVelocityShare = 0.2;

// F.2(3), expression F.3: n1 = eps1 b / heff^2 sqrt(Ws / Wt) for chimneys,
// eps1 = 1000 for steel chimneys; a chimney of one diameter has heff = h.
inline constexpr double kSteelChimneyFrequencyConstant = 1000.0;  // m/s

// F.3(1), expression F.13: the fundamental mode shape (z/h)^zeta of towers
// and chimneys, zeta = 2.0.
inline constexpr double kChimneyModeExponent = 2.0;

}  // namespace shedding::en1991
