#pragma once
// strouhal response: the vortex-induced response of one cylinder, as plain
// lines or JSON, or of a batch of them from standard input.

#include "cli/response_options.h"

namespace cli {

int RunResponse(const ResponseOptions& options);
int RunResponseRows(const ResponseOptions& options);

}  // namespace cli
