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

// Two logarithms per interval, taken once rather than for every estimate.
const std::array<double, kPoints>& Slopes() {
  static const std::array<double, kPoints> slopes = [] {
    std::array<double, kPoints> result{};
    for (std::size_t i = 1; i + 1 < kPoints; ++i) {
      const CorrelationPoint& low = CorrelationTable[i];
      const CorrelationPoint& high = CorrelationTable[i + 1];
      result[i] = std::log10(high.strouhal / low.strouhal) / std::log10(high.reynolds / low.reynolds);
    }
    return result;
  }();
  return slopes;
}

}  // namespace

double LogLogSlope(std::size_t interval) { return Slopes()[interval]; }

double StrouhalFromReynolds(double reynolds) {
  const CorrelationPoint& first = CorrelationTable.front();
  const CorrelationPoint& last = CorrelationTable.back();
  if (!(reynolds > first.reynolds)) return 0.0;
  if (reynolds >= last.reynolds) return last.strouhal;

  std::size_t i = 0;
  while (!(reynolds < CorrelationTable[i + 1].reynolds)) ++i;
  const CorrelationPoint& low = CorrelationTable[i];
  // The first point has St = 0, where a logarithm is useless.
  if (i == 0) return Linear(low, CorrelationTable[1], reynolds);
  return std::pow(reynolds / low.reynolds, LogLogSlope(i)) * low.strouhal;
}

std::string StrouhalText(double strouhal) {
  return FormatFixed(strouhal, kStrouhalTextWidth, kStrouhalTextDecimals);
}

}  // namespace shedding
