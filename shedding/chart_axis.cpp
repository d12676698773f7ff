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
  if (logarithmic) {
    if (!(value > 0.0)) return 0.0;
    return std::clamp(std::log10(value / lowest) / std::log10(highest / lowest), 0.0, 1.0);
  }
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

ChartAxis DecadeAxis(std::string title, double least, double largest) {
  ChartAxis axis;
  axis.title = std::move(title);
  axis.logarithmic = true;
  const bool usable = least > 0.0 && largest >= least && std::isfinite(largest);
  // The tolerance keeps a value a rounding step off a decade from adding one.
  const int first = usable ? static_cast<int>(std::floor(std::log10(least) + 1e-12)) : 0;
  const int last = usable ? std::max(first + 1, static_cast<int>(std::ceil(std::log10(largest) - 1e-12))) : 1;
  axis.lowest = std::pow(10.0, first);
  axis.highest = std::pow(10.0, last);
  for (int decade = first; decade <= last; ++decade) {
    const double value = std::pow(10.0, decade);
    axis.ticks.push_back({value, FormatGeneral(value, 0, kLabelDigits)});
  }
  return axis;
}

}  // namespace shedding
