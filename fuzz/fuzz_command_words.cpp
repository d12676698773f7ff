// The command-line syntax: SplitCommandWords and QuoteCommandWord.
//
// An input is read twice: as a command line to split, and as a list of words
// separated by NUL bytes that are quoted, joined and split again.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz/harness_support.h"
#include "platform/freedesktop/command_words.h"

namespace {

using fuzz::Check;
using Words = std::vector<std::string>;

constexpr std::string_view kBlanks = " \t\n\r\v\f";

std::string Joined(const Words& words) {
  std::string line;
  for (const std::string& word : words) {
    if (!line.empty()) line += ' ';
    line += platform::QuoteCommandWord(word);
  }
  return line;
}

// Without double quotes a line is just its blank-separated runs.
Words BlankSeparated(std::string_view line) {
  Words words;
  for (std::size_t start = line.find_first_not_of(kBlanks); start != std::string_view::npos;) {
    const std::size_t end = line.find_first_of(kBlanks, start);
    words.emplace_back(line.substr(start, end - start));
    start = line.find_first_not_of(kBlanks, end);
  }
  return words;
}

void CheckRoundTrip(const Words& words) {
  for (const std::string& word : words) {
    Check(platform::SplitCommandWords(platform::QuoteCommandWord(word)) == Words{word},
          "a quoted word splits back into itself");
  }
  Check(platform::SplitCommandWords(Joined(words)) == words,
        "quoted words joined by blanks split back into the words");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view line = fuzz::AsText(data, size);
  const std::optional<Words> words = platform::SplitCommandWords(line);
  if (line.find('"') == std::string_view::npos) {
    Check(words == BlankSeparated(line), "a line without quotes splits at its blanks");
  }
  if (words) CheckRoundTrip(*words);

  Words listed;
  for (const std::string_view word : fuzz::Pieces(line, '\0')) listed.emplace_back(word);
  CheckRoundTrip(listed);
  return 0;
}
