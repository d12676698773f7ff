#include "platform/freedesktop/desktop_entry.h"

#include <utility>
#include <vector>

#include "platform/freedesktop/command_words.h"
#include "platform/freedesktop/key_file.h"

namespace platform {
namespace {

bool IsTargetFieldCode(char code) {
  return code == 'u' || code == 'U' || code == 'f' || code == 'F';
}

// One Exec word with its field codes expanded: its literal text, and where
// the target goes in it when it holds the command's first file code.
struct ExpandedWord {
  std::string text;
  std::optional<std::size_t> targetAt;
};

// Nothing when field codes were all the word held.
std::optional<ExpandedWord> ExpandWord(std::string_view word, bool targetPlaced) {
  ExpandedWord expanded;
  for (std::size_t i = 0; i < word.size(); ++i) {
    if (word[i] != '%') {
      expanded.text += word[i];
      continue;
    }
    const char code = i + 1 < word.size() ? word[++i] : '\0';
    if (code == '%') {
      expanded.text += '%';
    } else if (IsTargetFieldCode(code) && !targetPlaced && !expanded.targetAt) {
      expanded.targetAt = expanded.text.size();
    }
  }
  if (!word.empty() && expanded.text.empty() && !expanded.targetAt) return std::nullopt;
  return expanded;
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

std::optional<OpenCommand> ExecToOpenCommand(std::string_view exec) {
  if (exec.find('\0') != std::string_view::npos) return std::nullopt;
  const std::optional<std::vector<std::string>> execWords = SplitCommandWords(exec);
  if (!execWords) return std::nullopt;
  std::vector<std::string> words;
  std::optional<OpenCommand::TargetPlace> place;
  for (const std::string& word : *execWords) {
    std::optional<ExpandedWord> expanded = ExpandWord(word, place.has_value());
    if (!expanded) continue;
    // The program itself must be a name, not empty and not the target.
    if (words.empty() && (word.empty() || expanded->targetAt)) return std::nullopt;
    if (expanded->targetAt) place = OpenCommand::TargetPlace{words.size(), *expanded->targetAt};
    words.push_back(std::move(expanded->text));
  }
  if (words.empty()) return std::nullopt;
  return OpenCommand(std::move(words), place);
}

std::optional<OpenCommand> OpenCommandOfEntry(std::string_view entryText) {
  const std::optional<std::string> exec = DesktopEntryString(entryText, "Exec");
  if (!exec) return std::nullopt;
  return ExecToOpenCommand(*exec);
}

}  // namespace platform
