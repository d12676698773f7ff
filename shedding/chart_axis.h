#pragma once
// A chart axis: linear from 0 to a round number with ticks at round steps,
// or logarithmic over whole decades with a tick at each.

#include <string>
#include <vector>

namespace shedding {

struct ChartTick {
  double value;
  std::string label;  // printf's %g of the value
};

struct ChartAxis {
  std::string title;
  double lowest = 0.0;
  double highest = 1.0;
  std::vector<ChartTick> ticks;  // from lowest to highest, both included
  bool logarithmic = false;

  // Where a value lands along the axis: 0 at lowest, 1 at highest; values
  // beyond either end stay at it (on a logarithmic axis, 0 and below stay
  // at its lowest), so nothing is drawn outside the plot.
  double Share(double value) const;
};

// An axis from 0 to the first multiple of its tick step at or above
// `largest`, the step being 1, 2 or 5 times a power of ten, chosen so that
// there are at most `maximumSteps` steps (and as many as that allows).
// A largest value that is not positive and finite gives the axis 0 to 1.
ChartAxis ZeroBasedAxis(std::string title, double largest, int maximumSteps = 6);

// A logarithmic axis from the decade at or below `least` to the decade at or
// above `largest`, at least one decade long, a tick at each decade. Values
// that are not positive and finite give the axis 1 to 10.
ChartAxis DecadeAxis(std::string title, double least, double largest);

}  // namespace shedding
