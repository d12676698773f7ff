#include "platform/freedesktop/handed_out_commands.h"

#include <algorithm>

#include "platform/freedesktop/command_words.h"

namespace platform {
namespace {

std::string_view WithoutTrailingBlanks(std::string_view text) {
  const std::size_t last = text.find_last_not_of(kCommandBlanks);
  return last == std::string_view::npos ? std::string_view() : text.substr(0, last + 1);
}

}  // namespace

void HandedOutCommands::Remember(const OpenCommand& command) {
  const std::lock_guard lock(mutex_);
  std::erase(recent_, command);
  recent_.push_front(command);
  if (recent_.size() > kKept) recent_.pop_back();
}

std::optional<OpenCommand> HandedOutCommands::Find(std::string_view textBeforeTarget) const {
  const std::string_view wanted = WithoutTrailingBlanks(textBeforeTarget);
  const std::lock_guard lock(mutex_);
  const auto found = std::ranges::find_if(recent_, [&](const OpenCommand& command) {
    return WithoutTrailingBlanks(command.TextBeforeTarget()) == wanted;
  });
  if (found == recent_.end()) return std::nullopt;
  return *found;
}

}  // namespace platform
