#pragma once
// strouhal solve and strouhal labels: the Strouhal relation.

#include "cli/command_line.h"

namespace cli {

// One solve from the command line; an input error goes to standard error.
int RunSolve(const Invocation& invocation);

// A solve for every row of standard input.
int RunSolveRows(const Invocation& invocation);

int RunLabels(const Invocation& invocation);

}  // namespace cli
