#pragma once
// Starting a command line with a target (the classic WinExec's role), with
// CreateProcessA: never through cmd.exe.

#include <cstddef>

#include "platform/services.h"

namespace platform {

// The text before targetOffset is the program's command line as registered,
// passed on as it is; the text from targetOffset to the end is appended,
// after a blank when none ends that text, written by the C runtime's
// argument rules (see windows_argument.h) so that it reaches the program as
// exactly one argument. The program is not waited for; its handles are
// closed. Returns:
//   33 once started;
//   2 for no command line, an offset beyond its end, no program before the
//     target, or a double quote left open before it (the target would not
//     be an argument of its own);
//   5 for a target starting with "-" (the program would read it as an option);
//   11 for a program that is a batch file (.bat, .cmd), which Windows would
//     run through cmd.exe;
//   otherwise the code for CreateProcessA's error: file not found -> 2; path
//     not found, a bad name or a folder -> 3; access denied -> 5; out of
//     memory -> 8; not a program for this machine -> 11; sharing violation
//     -> 26; a library missing -> 32; no system resources -> 0; elevation
//     required (740) -> 4; anything else -> 1.
ResultCode StartCommandLine(const char* commandLine, std::size_t targetOffset, int showCommand);

}  // namespace platform
