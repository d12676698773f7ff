#pragma once
// Starting a program directly, never through a shell, with the classic result
// code for how that went.

#include <sys/types.h>

#include <string>
#include <vector>

#include "platform/services.h"

namespace platform {

// Starts argv[0] (searched on PATH when it holds no slash) with exactly the
// words of argv, in this process's environment, with a clear signal mask and
// default signal handling. Returns kStarted and sets child, or the code for
// the errno that kept the program from starting:
//   ENOENT -> 2; ENOTDIR, ENAMETOOLONG, ELOOP -> 3; EACCES, EPERM -> 5;
//   ENOMEM, E2BIG -> 8; ENOEXEC, ELIBBAD -> 11; ETXTBSY -> 26;
//   anything else (EAGAIN, EMFILE, ...) -> 0, out of memory or resources.
// The caller must reap the child.
ResultCode StartProgram(const std::vector<std::string>& argv, pid_t& child);

}  // namespace platform
