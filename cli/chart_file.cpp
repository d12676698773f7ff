#include "cli/chart_file.h"

#include <cstdio>

#include "cli/exit_codes.h"
#include "output/atomic_file.h"
#include "output/svg_chart.h"

namespace cli {

int WriteChartFile(const std::string& path, const shedding::Chart& chart) {
  if (const auto failure = output::WriteFileWhole(path, output::SvgChart(chart))) {
    std::fprintf(stderr, "strouhal: %s\n", failure->c_str());
    return kFailure;
  }
  return kSuccess;
}

}  // namespace cli
