#pragma once
// The classic result codes of the shell-open and command-start services.
// The link code shows a message for each of the failure codes.

#include "platform/services.h"

namespace platform {

constexpr ResultCode kOutOfResources = 0;
constexpr ResultCode kFileNotFound = 2;
constexpr ResultCode kPathNotFound = 3;
constexpr ResultCode kAccessDenied = 5;
constexpr ResultCode kOutOfMemory = 8;
constexpr ResultCode kBadFormat = 11;
constexpr ResultCode kSharingViolation = 26;
constexpr ResultCode kAssociationIncomplete = 27;
constexpr ResultCode kNoAssociation = 31;
// The desktop's services never give these, but other services may, and the
// link code explains them too.
constexpr ResultCode kDdeTimeout = 28;
constexpr ResultCode kDdeFailed = 29;
constexpr ResultCode kDdeBusy = 30;
constexpr ResultCode kDllNotFound = 32;
// Our own, from numbers the classic codes leave unused: a program that
// needs an administrator's rights to start (starting one for a link never
// asks for them), and a start that failed for a reason no other code names.
constexpr ResultCode kStartFailed = 1;
constexpr ResultCode kElevationRequired = 4;
// Any value above 32 means success to both callers; this is the one we give.
constexpr ResultCode kStarted = 33;

}  // namespace platform
