#pragma once

namespace cli {

enum ExitCode : int {
  kSuccess = 0,
  kFailure = 1,     // an input error, or output that could not be written
  kUsageError = 2,  // unknown command or option, wrong number of values
};

}  // namespace cli
