#pragma once
// The targets the services refuse to hand on, on every system.

#include <optional>
#include <string_view>

#include "platform/result_codes.h"

namespace platform {

// Whether a target handed to a program as an argument would read as an
// option there. The services refuse such a target (kAccessDenied) rather
// than let it change what the program does.
constexpr bool IsOptionLike(std::string_view target) { return target.starts_with('-'); }

// Why a shell open refuses target: none or an empty one (kFileNotFound), one
// that would read as an option (kAccessDenied); nothing when it may go on.
inline std::optional<ResultCode> ShellTargetRefusal(const char* target) {
  if (target == nullptr || *target == '\0') return kFileNotFound;
  if (IsOptionLike(target)) return kAccessDenied;
  return std::nullopt;
}

}  // namespace platform
