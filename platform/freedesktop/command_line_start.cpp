#include "platform/freedesktop/command_line_start.h"

#include "platform/freedesktop/child_reaper.h"
#include "platform/freedesktop/command_words.h"
#include "platform/freedesktop/process_start.h"
#include "platform/result_codes.h"
#include "platform/target_refusal.h"

namespace platform {

std::optional<std::vector<std::string>> CommandLineWords(std::string_view commandLine,
                                                         std::size_t targetOffset,
                                                         const HandedOutCommands& handedOut) {
  const std::string_view beforeTarget = commandLine.substr(0, targetOffset);
  const std::string_view target = commandLine.substr(targetOffset);
  if (const std::optional<OpenCommand> command = handedOut.Find(beforeTarget)) {
    return command->WordsWith(target);
  }
  std::optional<std::vector<std::string>> words = SplitCommandWords(beforeTarget);
  if (!words || words->empty()) return std::nullopt;
  words->emplace_back(target);
  return words;
}

ResultCode StartCommandLine(const char* commandLine, std::size_t targetOffset,
                            const HandedOutCommands& handedOut) {
  if (commandLine == nullptr) return kFileNotFound;
  const std::string_view line(commandLine);
  if (targetOffset > line.size()) return kFileNotFound;
  if (IsOptionLike(line.substr(targetOffset))) return kAccessDenied;
  const std::optional<std::vector<std::string>> words =
      CommandLineWords(line, targetOffset, handedOut);
  if (!words) return kFileNotFound;
  pid_t program = 0;
  if (const ResultCode started = StartProgram(*words, program); started != kStarted) return started;
  ReapInBackground(program);
  return kStarted;
}

}  // namespace platform
