#pragma once
// strouhal screen: lock-in screening of a circular cylinder.

#include "cli/command_line.h"

namespace cli {

// One case: NAME: VALUE lines, or one JSON object; the chart as SVG on request.
int RunScreen(const Invocation& invocation);

// A case for every V,D,FN row of standard input, after a header line.
int RunScreenRows(const Invocation& invocation);

}  // namespace cli
