#pragma once
// What a chart of one screened case shows: the shedding frequency against
// the flow speed, the natural frequency, the lock-in band and the operating
// point, with axes, the legend in order and where each value lands in the
// plot (the axes' Share). Data only: each renderer walks it with its own
// pens.

#include <array>
#include <string>
#include <vector>

#include "shedding/chart_axis.h"
#include "shedding/lock_in_screening.h"

namespace shedding {

struct ChartPoint {
  double speed;
  double frequency;
};

// What each legend entry's sample shows.
enum class ChartSeries { Band, NaturalFrequency, SheddingCurve, OperatingPoint };

struct LegendEntry {
  ChartSeries series;
  std::string label;
};

struct ScreeningChart {
  std::string title;
  ChartAxis speedAxis;      // 0 to at least 1.5 * max(V, Vcrit, top of the lock-in speeds)
  ChartAxis frequencyAxis;  // 0 to above the curve's end and HI * fn
  // fs(V) from 0 to the end of the speed axis, in order of speed; at the
  // onset of shedding two points share the speed (fs jumps up from 0).
  std::vector<ChartPoint> sheddingCurve;
  double naturalFrequency = 0.0;  // a horizontal line
  double bandLowFrequency = 0.0;  // LO * fn and HI * fn: a shaded band
  double bandHighFrequency = 0.0;
  ChartPoint operatingPoint{};  // (V, fs), fs 0 without shedding
  std::array<LegendEntry, 4> legend;  // in the order it is shown
};

// Chart of a case that cylinder's screening (result) has screened.
ScreeningChart ChartScreening(const LockInScreening& screening, const ScreeningCase& cylinder,
                              const ScreeningResult& result);

}  // namespace shedding
