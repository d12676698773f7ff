#include "platform/freedesktop/xdg_open.h"

#include <sys/wait.h>

#include <chrono>
#include <optional>

#include "platform/ascii_case.h"
#include "platform/freedesktop/child_reaper.h"
#include "platform/freedesktop/process_start.h"
#include "platform/result_codes.h"
#include "platform/target_refusal.h"

namespace platform {
namespace {

// How long we wait for the opener's verdict (see OpenWithDesktop).
constexpr std::chrono::milliseconds kOpenerVerdictWait{1000};

// No verb, or an empty one, means the default verb, which is "open".
bool IsOpenVerb(const char* verb) {
  return verb == nullptr || *verb == '\0' || EqualsIgnoringAsciiCase(verb, "open");
}

// The result code for xdg-open's wait status (see OpenWithDesktop).
ResultCode CodeForOpenerStatus(int waitStatus) {
  if (!WIFEXITED(waitStatus)) return kNoAssociation;
  switch (WEXITSTATUS(waitStatus)) {
    case 0:
      return kStarted;
    case 1:
      return kAssociationIncomplete;
    case 2:
      return kFileNotFound;
    default:
      return kNoAssociation;
  }
}

}  // namespace

ResultCode OpenWithDesktop(const char* verb, const char* target) {
  if (!IsOpenVerb(verb)) return kNoAssociation;
  if (const std::optional<ResultCode> refusal = ShellTargetRefusal(target)) return *refusal;
  pid_t opener = 0;
  if (const ResultCode started = StartProgram({"xdg-open", target}, opener); started != kStarted) {
    return started;
  }
  const std::optional<int> status = AwaitExit(opener, kOpenerVerdictWait);
  return status ? CodeForOpenerStatus(*status) : kStarted;
}

}  // namespace platform
