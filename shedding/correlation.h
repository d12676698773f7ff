#pragma once
// The Strouhal number of a circular cylinder estimated from the Reynolds
// number, by interpolation in a table of published points.

#include <array>
#include <cstddef>
#include <string>

namespace shedding {

struct CorrelationPoint {
  double reynolds;
  double strouhal;
};

// From the fluid-dynamics handbook the correlation dialog cites. Between 30
// and 50 the log-log rule would need log10(0.13 / 0), which has no finite
// value; StrouhalFromReynolds interpolates that first interval linearly in
// Re instead (from 0 at 30 to 0.13 at 50), so the curve is continuous at
// both ends and always finite.
inline constexpr std::array<CorrelationPoint, 8> CorrelationTable = {{
    {30.0, 0.0},
    {50.0, 0.13},
    {500.0, 0.2},
    {1000.0, 0.21},
    {10000.0, 0.2},
    {100000.0, 0.19},
    {1000000.0, 0.21},
    {10000000.0, 0.23},
}};

// 0 up to Re = 30 (and for NaN), 0.23 from the last table point on, and
// between table points a straight line on log-log axes.
double StrouhalFromReynolds(double reynolds);

// The log-log slope of the interval from table point i to i + 1 (i from 1
// to 6), exactly as StrouhalFromReynolds takes it, for code that inverts the
// estimate and must follow the same curve to the last bit.
double CorrelationSlope(std::size_t i);

// The estimate as shown: "%5.3f".
inline constexpr int kStrouhalTextWidth = 5;
inline constexpr int kStrouhalTextDecimals = 3;
std::string StrouhalText(double strouhal);

}  // namespace shedding
