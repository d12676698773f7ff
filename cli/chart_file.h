#pragma once
// A command's --svg FILE: its chart written whole, or why not on standard
// error.

#include <string>

#include "shedding/chart.h"

namespace cli {

// kSuccess, or kFailure with "strouhal: cannot write ..." on standard error.
int WriteChartFile(const std::string& path, const shedding::Chart& chart);

}  // namespace cli
