#include "platform/xdg_open.h"

#include <sys/wait.h>

#include "platform/ascii_case.h"
#include "platform/child_reaper.h"
#include "platform/process_start.h"
#include "platform/result_codes.h"

namespace platform {
namespace {

// No verb, or an empty one, means the default verb, which is "open".
bool IsOpenVerb(const char* verb) {
  return verb == nullptr || *verb == '\0' || EqualsIgnoringAsciiCase(verb, "open");
}

}  // namespace

ResultCode OpenWithDesktop(const char* verb, const char* target) {
  if (!IsOpenVerb(verb)) return kNoAssociation;
  if (target == nullptr || *target == '\0') return kFileNotFound;
  if (*target == '-') return kAccessDenied;
  pid_t opener = 0;
  if (const int error = StartProgram({"xdg-open", target}, opener); error != 0) {
    return CodeForStartError(error);
  }
  const std::optional<int> status = AwaitExit(opener, kOpenerVerdictWait);
  return status ? CodeForOpenerStatus(*status) : kStarted;
}

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

}  // namespace platform
