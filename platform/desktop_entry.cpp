#include "platform/desktop_entry.h"

#include <vector>

#include "platform/command_words.h"
#include "platform/key_file.h"

namespace platform {
namespace {

bool IsTargetFieldCode(char code) {
  return code == 'u' || code == 'U' || code == 'f' || code == 'F';
}

// One Exec word with its field codes expanded, written as command text.
// Returns nothing when field codes were all the word held.
std::optional<std::string> ExpandWord(std::string_view word, bool& placeholderWritten) {
  if (word.empty()) return QuoteCommandWord(word);
  std::string written;
  std::string literal;
  for (std::size_t i = 0; i < word.size(); ++i) {
    if (word[i] != '%') {
      literal += word[i];
      continue;
    }
    const char code = i + 1 < word.size() ? word[++i] : '\0';
    if (code == '%') {
      literal += '%';
    } else if (IsTargetFieldCode(code) && !placeholderWritten) {
      if (!literal.empty()) written += QuoteCommandWord(literal);
      literal.clear();
      written += kTargetPlaceholder;
      placeholderWritten = true;
    }
  }
  if (!literal.empty()) written += QuoteCommandWord(literal);
  if (written.empty()) return std::nullopt;
  return written;
}

}  // namespace

std::optional<std::string> DesktopEntryString(std::string_view entryText, std::string_view key) {
  const std::optional<std::string_view> raw = KeyFileValue(entryText, "Desktop Entry", key);
  if (!raw) return std::nullopt;
  return DecodeKeyFileString(*raw);
}

bool IsHiddenEntry(std::string_view entryText) {
  return DesktopEntryString(entryText, "Hidden") == "true";
}

std::optional<std::string> ExecToOpenCommand(std::string_view exec) {
  if (exec.find('\0') != std::string_view::npos) return std::nullopt;
  const std::optional<std::vector<std::string>> words = SplitCommandWords(exec);
  if (!words) return std::nullopt;
  std::string command;
  bool placeholderWritten = false;
  for (const std::string& word : *words) {
    const std::optional<std::string> written = ExpandWord(word, placeholderWritten);
    if (!written) continue;
    if (command.empty()) {
      // The program itself must be a name, not empty and not the target.
      if (word.empty() || placeholderWritten) return std::nullopt;
    } else {
      command += ' ';
    }
    command += *written;
  }
  if (command.empty()) return std::nullopt;
  return command;
}

std::optional<std::string> OpenCommandOfEntry(std::string_view entryText) {
  const std::optional<std::string> exec = DesktopEntryString(entryText, "Exec");
  if (!exec) return std::nullopt;
  return ExecToOpenCommand(*exec);
}

}  // namespace platform
