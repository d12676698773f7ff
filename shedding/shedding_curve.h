#pragma once
// The vortex-shedding frequency of a circular cylinder against the flow
// speed, fs(V) = St(V*D/nu) * V/D with St from StrouhalFromReynolds, and its
// inverse. Any consistent units: speed and diameter in m/s and m with nu in
// m^2/s, or ft/s, ft and ft^2/s; frequencies in Hz. Where an answer fits a
// double, no step on the way to it overflows.

namespace shedding {

// Periodic shedding starts near Re 47 (Provansal, Mathis & Boyer, J. Fluid
// Mech. 182, 1987; Williamson, Annu. Rev. Fluid Mech. 28, 1996, puts it at
// about 49). Below it the wake is steady: fs is 0.
inline constexpr double kSheddingOnsetReynolds = 47.0;

// V * D / nu.
double ReynoldsNumber(double speed, double diameter, double viscosity);

// 0 below the onset; from it on strictly increasing, because every log-log
// slope of the correlation is above -1 (so St*Re rises with Re).
double SheddingFrequency(double speed, double diameter, double viscosity);

// St * V / D: the shedding frequency of a Strouhal number.
double StrouhalFrequency(double strouhal, double speed, double diameter);

// The lowest speed at which fs(V) >= frequency (> 0): where the curve
// crosses it, or the onset speed if fs already exceeds it when shedding
// starts. Solved on the curve itself, not with the Strouhal number of some
// operating point: St*Re is a power of Re on each log-log interval of the
// table (a quadratic on the linear first one), so the crossing is found
// exactly, interval by interval, to full double precision.
double SpeedForSheddingFrequency(double frequency, double diameter, double viscosity);

// fs when shedding starts: the least nonzero shedding frequency.
double OnsetSheddingFrequency(double diameter, double viscosity);

// Re * nu / D: the speed of a Reynolds number.
double SpeedForReynolds(double reynolds, double diameter, double viscosity);

}  // namespace shedding
