#include "platform/freedesktop/open_command.h"

#include <utility>

#include "platform/freedesktop/command_words.h"
#include "platform/services.h"  // kTargetPlaceholder

namespace platform {
namespace {

// A part of a word beside the placeholder; nothing at all when it is empty,
// so that the placeholder alone is not written as ""%1"".
std::string QuotedPart(std::string_view part) {
  return part.empty() ? std::string() : QuoteCommandWord(part);
}

}  // namespace

OpenCommand::OpenCommand(std::vector<std::string> words, std::optional<TargetPlace> place)
    : words_(std::move(words)), place_(place) {
  for (std::size_t i = 0; i < words_.size(); ++i) {
    if (i > 0) text_ += ' ';
    if (!place_ || place_->word != i) {
      text_ += QuoteCommandWord(words_[i]);
      continue;
    }
    const std::string_view word = words_[i];
    text_ += QuotedPart(word.substr(0, place_->at));
    textBeforeTarget_ = text_.size();
    text_ += kTargetPlaceholder;
    text_ += QuotedPart(word.substr(place_->at));
  }
  if (!place_) textBeforeTarget_ = text_.size();
}

std::string_view OpenCommand::TextBeforeTarget() const {
  return std::string_view(text_).substr(0, textBeforeTarget_);
}

std::vector<std::string> OpenCommand::WordsWith(std::string_view target) const {
  std::vector<std::string> words = words_;
  if (place_) {
    words[place_->word].insert(place_->at, target);
  } else {
    words.emplace_back(target);
  }
  return words;
}

}  // namespace platform
