#include "shedding/correlation.h"

#include <cmath>

#include "shedding/number_text.h"

namespace shedding {
namespace {

double Linear(const CorrelationPoint& low, const CorrelationPoint& high, double reynolds) {
  const double share = (reynolds - low.reynolds) / (high.reynolds - low.reynolds);
  return low.strouhal + share * (high.strouhal - low.strouhal);
}

double LogLog(const CorrelationPoint& low, const CorrelationPoint& high, double reynolds) {
  const double slope =
      std::log10(high.strouhal / low.strouhal) / std::log10(high.reynolds / low.reynolds);
  return std::pow(reynolds / low.reynolds, slope) * low.strouhal;
}

}  // namespace

double StrouhalFromReynolds(double reynolds) {
  const CorrelationPoint& first = CorrelationTable.front();
  const CorrelationPoint& last = CorrelationTable.back();
  if (!(reynolds > first.reynolds)) return 0.0;
  if (reynolds >= last.reynolds) return last.strouhal;

  std::size_t i = 0;
  while (!(reynolds < CorrelationTable[i + 1].reynolds)) ++i;
  const CorrelationPoint& low = CorrelationTable[i];
  const CorrelationPoint& high = CorrelationTable[i + 1];
  // The first point has St = 0, where a logarithm is useless.
  return i == 0 ? Linear(low, high, reynolds) : LogLog(low, high, reynolds);
}

std::string StrouhalText(double strouhal) {
  return FormatFixed(strouhal, kStrouhalTextWidth, kStrouhalTextDecimals);
}

}  // namespace shedding
