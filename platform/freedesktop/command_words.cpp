#include "platform/freedesktop/command_words.h"

namespace platform {
namespace {

bool IsBlank(char c) { return kCommandBlanks.find(c) != std::string_view::npos; }

bool IsEscapableInQuotes(char c) { return c == '"' || c == '`' || c == '$' || c == '\\'; }

}  // namespace

std::optional<std::vector<std::string>> SplitCommandWords(std::string_view line) {
  std::vector<std::string> words;
  std::string word;
  bool inWord = false;
  bool inQuotes = false;
  for (std::size_t i = 0; i < line.size(); ++i) {
    const char c = line[i];
    if (inQuotes) {
      if (c == '"') {
        inQuotes = false;
      } else if (c == '\\' && i + 1 < line.size() && IsEscapableInQuotes(line[i + 1])) {
        word += line[++i];
      } else {
        word += c;
      }
    } else if (IsBlank(c)) {
      if (inWord) words.push_back(std::move(word));
      word.clear();
      inWord = false;
    } else {
      inWord = true;
      if (c == '"') {
        inQuotes = true;
      } else {
        word += c;
      }
    }
  }
  if (inQuotes) return std::nullopt;
  if (inWord) words.push_back(std::move(word));
  return words;
}

std::string QuoteCommandWord(std::string_view word) {
  const bool plain = !word.empty() && word.find_first_of(kCommandBlanks) == std::string_view::npos &&
                     word.find('"') == std::string_view::npos;
  if (plain) return std::string(word);
  std::string quoted = "\"";
  for (const char c : word) {
    if (c == '"' || c == '\\') quoted += '\\';
    quoted += c;
  }
  quoted += '"';
  return quoted;
}

}  // namespace platform
