#include "platform/win32/windows_argument.h"

#include <cstddef>

namespace platform {

void AppendWindowsArgument(std::string& commandLine, std::string_view argument) {
  if (!argument.empty() && argument.find_first_of(" \t\n\v\"") == std::string_view::npos) {
    commandLine += argument;
    return;
  }
  commandLine += '"';
  std::size_t backslashes = 0;
  for (const char c : argument) {
    if (c == '\\') {
      ++backslashes;
      continue;
    }
    // Backslashes before a quote are doubled and the quote escaped; before
    // anything else they stay as they are.
    commandLine.append(c == '"' ? 2 * backslashes + 1 : backslashes, '\\');
    commandLine += c;
    backslashes = 0;
  }
  // Those before the closing quote are doubled too.
  commandLine.append(2 * backslashes, '\\');
  commandLine += '"';
}

}  // namespace platform
