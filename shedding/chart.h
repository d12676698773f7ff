#pragma once
// What a chart of an analysis shows, as data: two axes with ticks, a shaded
// band, a dashed reference line, a curve, one marked point, the legend in
// order, and where each value lands in the plot (the axes' Share). Every
// chart of the program has this shape, so the dialogs' device context and
// the SVG writer each draw all of them with one renderer.

#include <optional>
#include <string>
#include <vector>

#include "shedding/chart_axis.h"

namespace shedding {

struct ChartPoint {
  double x;
  double y;
};

// The part of the chart a legend entry's sample shows.
enum class ChartSeries { Band, ReferenceLine, Curve, Point };

struct LegendEntry {
  ChartSeries series;
  std::string label;
};

// A shaded rectangle in the chart's values; an edge beyond an axis's end
// (infinity included) stays at that end.
struct ChartBand {
  double xLow;
  double xHigh;
  double yLow;
  double yHigh;
};

struct ChartLine {
  ChartPoint from;
  ChartPoint to;
};

struct Chart {
  std::string title;
  ChartAxis xAxis;
  ChartAxis yAxis;
  ChartBand band{};
  std::optional<ChartLine> referenceLine;  // dashed
  std::vector<ChartPoint> curve;           // in order along the x axis
  ChartPoint point{};                      // the case's own point
  std::vector<LegendEntry> legend;         // the parts shown, in the order listed
};

}  // namespace shedding
