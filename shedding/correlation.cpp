#include "shedding/correlation.h"

#include <cmath>

#include "shedding/number_text.h"

namespace shedding {
namespace {

double Linear(const CorrelationPoint& low, const CorrelationPoint& high, double reynolds) {
  const double share = (reynolds - low.reynolds) / (high.reynolds - low.reynolds);
  return low.strouhal + share * (high.strouhal - low.strouhal);
}

constexpr std::size_t kPoints = CorrelationTable.size();

// Two logarithms per interval, taken once rather than for every estimate,
// by the C library at run time. A compiler may fold log10 of constants with
// arithmetic of its own, which can differ in the last place; a function
// that is not constexpr (as a lambda would be) and ratios it cannot see
// keep it from doing so.
std::array<double, kPoints> LibrarySlopes() {
  std::array<double, kPoints> slopes{};
  for (std::size_t i = 1; i + 1 < kPoints; ++i) {
    const CorrelationPoint& low = CorrelationTable[i];
    const CorrelationPoint& high = CorrelationTable[i + 1];
    const volatile double strouhalRatio = high.strouhal / low.strouhal;
    const volatile double reynoldsRatio = high.reynolds / low.reynolds;
    slopes[i] = std::log10(strouhalRatio) / std::log10(reynoldsRatio);
  }
  return slopes;
}

const std::array<double, kPoints>& Slopes() {
  static const std::array<double, kPoints> slopes = LibrarySlopes();
  return slopes;
}

}  // namespace

double CorrelationSlope(std::size_t i) { return Slopes()[i]; }

double StrouhalFromReynolds(double reynolds) {
  const CorrelationPoint& first = CorrelationTable.front();
  const CorrelationPoint& last = CorrelationTable.back();
  if (!(reynolds > first.reynolds)) return 0.0;
  if (reynolds >= last.reynolds) return last.strouhal;

  // The interval holding reynolds, counted rather than searched for: a
  // batch's Reynolds numbers leave no pattern for a branch to follow.
  std::size_t i = 0;
  for (std::size_t point = 1; point + 1 < kPoints; ++point) i += !(reynolds < CorrelationTable[point].reynolds) ? 1 : 0;
  const CorrelationPoint& low = CorrelationTable[i];
  // The first point has St = 0, where a logarithm is useless.
  if (i == 0) return Linear(low, CorrelationTable[1], reynolds);
  return std::pow(reynolds / low.reynolds, Slopes()[i]) * low.strouhal;
}

std::string StrouhalText(double strouhal) {
  return FormatFixed(strouhal, kStrouhalTextWidth, kStrouhalTextDecimals);
}

}  // namespace shedding
