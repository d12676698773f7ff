#pragma once
// Opening a target with the desktop's handler: xdg-open, started directly.

#include <chrono>

#include "platform/services.h"

namespace platform {

// How long the caller waits for the opener's verdict. An opener still running
// then has found a handler that is now busy opening (or a browser that stays
// in the foreground): that counts as started.
constexpr std::chrono::milliseconds kOpenerVerdictWait{1000};

// Starts "xdg-open target" and returns a result code:
//   a verb other than "open" -> 31 (no verb means "open");
//   no or empty target -> 2;
//   a target starting with "-" -> 5 (xdg-open would read it as an option);
//   xdg-open not startable -> CodeForStartError (missing -> 2);
//   still running after kOpenerVerdictWait -> 33 (started);
//   otherwise CodeForOpenerStatus of its wait status.
ResultCode OpenWithDesktop(const char* verb, const char* target);

// The result code for xdg-open's wait status:
//   exit 0 -> 33; exit 1 (it refused its command line) -> 27;
//   exit 2 (no such file) -> 2; exit 3 (a tool it needs is missing),
//   exit 4 (the action failed), any other exit or a signal -> 31.
ResultCode CodeForOpenerStatus(int waitStatus);

}  // namespace platform
