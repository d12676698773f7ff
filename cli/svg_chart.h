#pragma once
// A screening chart as a stand-alone SVG document.

#include <string>

#include "shedding/screening_chart.h"

namespace cli {

// Axes with ticks and units, the shaded lock-in band, the natural frequency,
// the shedding curve, the operating point, a title and a legend; all text
// escaped, so that browsers and report tools can embed it.
std::string SvgChart(const shedding::ScreeningChart& chart);

}  // namespace cli
