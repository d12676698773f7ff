#pragma once
// Starting a command line with a target (the classic WinExec's role).

#include <cstddef>

#include "platform/services.h"

namespace platform {

// Splits commandLine before targetOffset into words (see command_words.h),
// appends the text from targetOffset to the end as exactly one more word,
// unchanged, and starts the program without waiting for it (it is reaped in
// the background). Returns:
//   33 once started;
//   2 for no command line, an offset beyond its end, no words before the
//     target, or a double quote left open (no program to start);
//   5 for a target starting with "-" (the program would read it as an option);
//   otherwise StartProgram's code (missing program -> 2, and so on).
ResultCode StartCommandLine(const char* commandLine, std::size_t targetOffset);

}  // namespace platform
