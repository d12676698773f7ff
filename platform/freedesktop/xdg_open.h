#pragma once
// Opening a target with the desktop's handler: xdg-open, started directly.

#include "platform/services.h"

namespace platform {

// Starts "xdg-open target" and returns a result code:
//   a verb other than "open" -> 31 (no verb means "open");
//   no or empty target -> 2;
//   a target starting with "-" -> 5 (xdg-open would read it as an option);
//   xdg-open not startable -> StartProgram's code (missing -> 2);
//   still running after a second -> 33 (started: it has found a handler that
//     is busy opening, or a browser that stays in the foreground);
//   otherwise by its exit: 0 -> 33; 1 (it refused its command line) -> 27;
//     2 (no such file) -> 2; 3 (a tool it needs is missing), 4 (the action
//     failed), any other exit or a signal -> 31.
ResultCode OpenWithDesktop(const char* verb, const char* target);

}  // namespace platform
