#pragma once
// An application's open command as the class registry hands it out: the
// program and its arguments, split once from the desktop entry, and the place
// among them where the target goes. Its text, in the syntax of
// command_words.h, marks that place with the placeholder "%1"; the words stay
// beside the text, so that starting the command puts the target in place
// instead of splitting the text again.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

class OpenCommand {
 public:
  // The target goes into word `word`, at byte `at` of it: between what the
  // word held before and after its file field code.
  struct TargetPlace {
    std::size_t word;
    std::size_t at;
    bool operator==(const TargetPlace&) const = default;
  };

  // words[0] is the program. Without a place the target is appended as a
  // word of its own.
  OpenCommand(std::vector<std::string> words, std::optional<TargetPlace> place);

  // Each word written with QuoteCommandWord, one space apart; the target's
  // word as its text before the target, the placeholder, and its text after
  // the target, each part quoted on its own ("--url=%u" gives --url="%1").
  const std::string& Text() const { return text_; }

  // The text before the placeholder, as a reader that cuts the command there
  // keeps it; the whole text when there is no placeholder.
  std::string_view TextBeforeTarget() const;

  // The words with target in its place: one word, or part of one, however
  // it is spelt.
  std::vector<std::string> WordsWith(std::string_view target) const;

  bool operator==(const OpenCommand&) const = default;

 private:
  std::vector<std::string> words_;
  std::optional<TargetPlace> place_;
  std::string text_;
  std::size_t textBeforeTarget_ = 0;
};

}  // namespace platform
