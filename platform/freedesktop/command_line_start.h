#pragma once
// Starting a command line with a target (the classic WinExec's role).

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/freedesktop/handed_out_commands.h"
#include "platform/services.h"

namespace platform {

// The program and arguments for commandLine, whose text from targetOffset to
// the end is the target:
//   - when the text before the target is a command the registry handed out,
//     cut at its placeholder (blanks may follow), that command's own words
//     with the target in the placeholder's place: --url="%1" cut there gives
//     the one argument --url=TARGET, and words after the placeholder stay;
//   - otherwise the text before the target split into words (see
//     command_words.h), and the target, unchanged, as one more word.
// Nothing when there is no program: no words before the target, or a double
// quote left open. targetOffset must not be beyond the end.
std::optional<std::vector<std::string>> CommandLineWords(std::string_view commandLine,
                                                         std::size_t targetOffset,
                                                         const HandedOutCommands& handedOut);

// Starts the words of commandLine (see CommandLineWords) without waiting for
// the program (it is reaped in the background). Returns:
//   33 once started;
//   2 for no command line, an offset beyond its end, or no program;
//   5 for a target starting with "-" (the program would read it as an option);
//   otherwise StartProgram's code (missing program -> 2, and so on).
ResultCode StartCommandLine(const char* commandLine, std::size_t targetOffset,
                            const HandedOutCommands& handedOut);

}  // namespace platform
