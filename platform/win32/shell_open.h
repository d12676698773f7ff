#pragma once
// Opening a target with the shell's handler for it: ShellExecuteA.

#include "platform/services.h"

namespace platform {

// Hands verb and target to ShellExecuteA and returns its result (above 32
// once the handler has it, otherwise the shell's error code), except that
// no or an empty target gives 2 and a target starting with "-" gives 5
// without asking the shell, as on every system.
ResultCode OpenWithShell(const char* verb, const char* target, int showCommand);

}  // namespace platform
