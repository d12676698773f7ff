#pragma once
// strouhal correlate: the Strouhal number of a circular cylinder from the
// Reynolds number.

#include "cli/command_line.h"

namespace cli {

int RunCorrelate(const Invocation& invocation);

// An estimate for every line of standard input.
int RunCorrelateRows();

}  // namespace cli
