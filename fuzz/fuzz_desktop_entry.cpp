// Desktop entries: the key-file reading, the entry's string values, the Exec
// line turned into an open command, and the words that command is started
// with.
//
// An input is a desktop entry. Its Exec value and the whole input itself are
// both turned into open commands; the input is also stored, escaped, as the
// value of a key of its own and read back.

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz/harness_support.h"
#include "platform/freedesktop/command_line_start.h"
#include "platform/freedesktop/command_words.h"
#include "platform/freedesktop/desktop_entry.h"
#include "platform/freedesktop/handed_out_commands.h"
#include "platform/freedesktop/key_file.h"

namespace {

using fuzz::Check;
using platform::kTargetPlaceholder;
using platform::OpenCommand;

constexpr std::string_view kOwnKey = "VortexFuzzValue";

// Targets that a word splitter or a quoting slip would misread.
constexpr std::array<std::string_view, 3> kTargets = {"https://example.org/a b?q=\"x\"&y=\\", "",
                                                      "%1 \"%1\""};

// A string value written with the key-file escapes, so that reading it back
// must give exactly value.
std::string Escaped(std::string_view value) {
  std::string escaped;
  for (const char c : value) {
    switch (c) {
      case ' ': escaped += "\\s"; break;
      case '\n': escaped += "\\n"; break;
      case '\t': escaped += "\\t"; break;
      case '\r': escaped += "\\r"; break;
      case '\\': escaped += "\\\\"; break;
      default: escaped += c;
    }
  }
  return escaped;
}

void CheckStringRoundTrip(std::string_view entry, std::string_view value) {
  const std::string escaped = Escaped(value);
  Check(platform::DecodeKeyFileString(escaped) == value, "decoding undoes the escapes");
  if (entry.find(kOwnKey) != std::string_view::npos) return;
  // Whatever comes before, a later group's own key reads back unchanged.
  const std::string appended =
      std::string(entry) + "\n[Desktop Entry]\n" + std::string(kOwnKey) + " = " + escaped + "\n";
  Check(platform::DesktopEntryString(appended, kOwnKey) == value,
        "a string value reads back as written, after any text");
}

std::size_t Occurrences(std::string_view text, std::string_view part) {
  std::size_t count = 0;
  for (std::size_t at = text.find(part); at != std::string_view::npos; at = text.find(part, at + 1)) {
    ++count;
  }
  return count;
}

bool HasTargetFieldCode(std::string_view word) {
  for (std::size_t at = word.find('%'); at != std::string_view::npos && at + 1 < word.size();
       at = word.find('%', at + 1)) {
    if (std::string_view("uUfF").find(word[at + 1]) != std::string_view::npos) return true;
  }
  return false;
}

// The command with its placeholder turned back into a file field code.
std::string WithFieldCode(std::string command) {
  const std::size_t at = command.find(kTargetPlaceholder);
  if (at != std::string::npos) command.replace(at, kTargetPlaceholder.size(), "%u");
  return command;
}

// The word with each "%%" read as "%", or nothing when it holds a field code.
std::optional<std::string> PercentsDecoded(std::string_view word) {
  std::string decoded;
  for (std::size_t i = 0; i < word.size(); ++i) {
    if (word[i] != '%') {
      decoded += word[i];
      continue;
    }
    if (i + 1 == word.size() || word[i + 1] != '%') return std::nullopt;
    decoded += '%';
    ++i;
  }
  return decoded;
}

// An Exec line without field codes is copied word for word.
void CheckPlainCopy(const std::vector<std::string>& execWords,
                    const std::optional<std::string>& command) {
  std::vector<std::string> expected;
  for (const std::string& word : execWords) {
    const std::optional<std::string> decoded = PercentsDecoded(word);
    if (!decoded) return;
    expected.push_back(*decoded);
  }
  if (expected.empty() || expected.front().empty()) {
    Check(!command, "no command without a program name");
    return;
  }
  Check(command && platform::SplitCommandWords(*command) == expected,
        "without field codes the command holds the Exec line's words, %% read as %");
}

// Starting the command puts the target in the placeholder's place: the words
// are the text's with the target, quoted, written there instead, also when
// the command comes back cut at its placeholder as the link code cuts it.
void CheckTargetPlace(const OpenCommand& command) {
  const std::string before(command.TextBeforeTarget());
  const std::string_view after = std::string_view(command.Text()).substr(before.size());
  Check(after.empty() || after.starts_with(kTargetPlaceholder),
        "the text before the target ends at the placeholder, or the text has none");
  platform::HandedOutCommands handedOut;
  handedOut.Remember(command);
  for (const std::string_view target : kTargets) {
    const std::string quoted = platform::QuoteCommandWord(target);
    const std::string line = after.empty()
                                 ? before + " " + quoted
                                 : before + quoted + std::string(after.substr(kTargetPlaceholder.size()));
    const std::vector<std::string> words = command.WordsWith(target);
    Check(platform::SplitCommandWords(line) == words,
          "the target takes the placeholder's place, inside its word");
    const std::string started = before + " " + std::string(target);
    Check(platform::CommandLineWords(started, before.size() + 1, handedOut) == words,
          "a handed-out command cut at its placeholder starts with its own words");
  }
}

void CheckOpenCommand(std::string_view exec) {
  const std::optional<OpenCommand> open = platform::ExecToOpenCommand(exec);
  const std::optional<std::string> command = open ? std::optional(open->Text()) : std::nullopt;
  const std::optional<std::vector<std::string>> execWords = platform::SplitCommandWords(exec);
  if (execWords && exec.find('\0') == std::string_view::npos) CheckPlainCopy(*execWords, command);
  if (!command) return;
  Check(execWords.has_value(), "a command comes only from an Exec line that splits");
  Check(command->find('\0') == std::string::npos, "a command holds no NUL");

  const std::optional<std::vector<std::string>> words = platform::SplitCommandWords(*command);
  Check(words && !words->empty(), "a command splits into words");
  Check(!words->front().empty() && !command->starts_with(kTargetPlaceholder),
        "a command starts with a program name");
  Check(words->size() <= execWords->size(), "field codes never add words");
  CheckTargetPlace(*open);

  // With no literal percent sign ("%%") the only "%1" is the placeholder,
  // which the link code looks for to put the target in its place.
  bool literalPercent = false;
  bool targetCode = false;
  for (const std::string& word : *execWords) {
    literalPercent = literalPercent || word.find("%%") != std::string::npos;
    targetCode = targetCode || HasTargetFieldCode(word);
  }
  if (literalPercent) return;
  const std::size_t placeholders = Occurrences(*command, kTargetPlaceholder);
  Check(placeholders == (targetCode ? 1u : 0u), "one placeholder exactly when a file code was given");
  Check(Occurrences(*command, "%1") == placeholders, "\"%1\" appears only as the placeholder");
  const std::string beforeTarget = command->substr(0, command->find(kTargetPlaceholder));
  Check(platform::SplitCommandWords(beforeTarget).has_value(),
        "the command cut at its placeholder leaves no quote open");
  Check(platform::ExecToOpenCommand(WithFieldCode(*command)) == open,
        "a command read back as an Exec line gives itself, words and target place");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view entry = fuzz::AsText(data, size);
  static_cast<void>(platform::IsHiddenEntry(entry));
  if (const std::optional<std::string> exec = platform::DesktopEntryString(entry, "Exec")) {
    Check(platform::OpenCommandOfEntry(entry) == platform::ExecToOpenCommand(*exec),
          "an entry's open command is its Exec line's");
    CheckOpenCommand(*exec);
  }
  CheckOpenCommand(entry);
  CheckStringRoundTrip(entry, entry);
  return 0;
}
