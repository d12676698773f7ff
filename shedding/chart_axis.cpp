#include "shedding/chart_axis.h"

#include <algorithm>
#include <cmath>

#include "shedding/number_text.h"

namespace shedding {
namespace {

constexpr int kLabelDigits = 6;

// The least of 1, 2 and 5 times a power of ten that is at least `least`.
double RoundStep(double least) {
  const double power = std::pow(10.0, std::floor(std::log10(least)));
  for (const double multiple : {1.0, 2.0, 5.0, 10.0}) {
    // The tolerance keeps an exact multiple from moving a step up through rounding.
    if (multiple * power >= least * (1.0 - 1e-12)) return multiple * power;
  }
  return 10.0 * power;
}

}  // namespace

double ChartAxis::Share(double value) const {
  return std::clamp((value - lowest) / (highest - lowest), 0.0, 1.0);
}

ChartAxis ZeroBasedAxis(std::string title, double largest, int maximumSteps) {
  ChartAxis axis;
  axis.title = std::move(title);
  if (!(largest > 0.0 && std::isfinite(largest))) largest = 1.0;
  const double step = RoundStep(largest / maximumSteps);
  const double steps = std::ceil(largest / step * (1.0 - 1e-12));
  axis.highest = steps * step;
  for (int i = 0; i <= static_cast<int>(steps); ++i) {
    const double value = i * step;
    axis.ticks.push_back({value, FormatGeneral(value, 0, kLabelDigits)});
  }
  return axis;
}

}  // namespace shedding
