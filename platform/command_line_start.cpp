#include "platform/command_line_start.h"

#include <string_view>

#include "platform/child_reaper.h"
#include "platform/command_words.h"
#include "platform/process_start.h"
#include "platform/result_codes.h"

namespace platform {

ResultCode StartCommandLine(const char* commandLine, std::size_t targetOffset) {
  if (commandLine == nullptr) return kFileNotFound;
  const std::string_view line(commandLine);
  if (targetOffset > line.size()) return kFileNotFound;
  const std::string_view target = line.substr(targetOffset);
  if (IsOptionLike(target)) return kAccessDenied;
  std::optional<std::vector<std::string>> words = SplitCommandWords(line.substr(0, targetOffset));
  if (!words || words->empty()) return kFileNotFound;
  words->emplace_back(target);
  pid_t program = 0;
  if (const ResultCode started = StartProgram(*words, program); started != kStarted) return started;
  ReapInBackground(program);
  return kStarted;
}

}  // namespace platform
