#pragma once
// A chart as a stand-alone SVG document.

#include <string>

#include "shedding/chart.h"

namespace output {

// Axes with ticks and units, the shaded band, the dashed reference line, the
// curve, the case's point, a title and a legend; all text escaped, so that
// browsers and report tools can embed it.
std::string SvgChart(const shedding::Chart& chart);

}  // namespace output
