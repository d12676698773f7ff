#pragma once
// Collecting the children we start, so that none lingers as a zombie and the
// caller never waits longer than it chose to.

#include <sys/types.h>

#include <chrono>
#include <optional>

namespace platform {

// Collects child in the background once it ends. Never blocks: a thread
// waits for that one child (and only it, so children started by other code
// are left to their owners).
void ReapInBackground(pid_t child);

// Waits at most limit for child to end. Returns its wait status; or nothing
// when it is still running (it is then reaped in the background) or when
// someone else already collected it.
std::optional<int> AwaitExit(pid_t child, std::chrono::milliseconds limit);

}  // namespace platform
