#pragma once
// The open commands the class registry handed out lately. The link code
// cuts a command's text at its placeholder and appends the target; when
// such a command line comes back to be started, its words are known already
// and are started as they are, with the target in its place.

#include <cstddef>
#include <deque>
#include <mutex>
#include <optional>
#include <string_view>

#include "platform/freedesktop/open_command.h"

namespace platform {

class HandedOutCommands {
 public:
  void Remember(const OpenCommand& command);

  // The most recent command whose text cut at its placeholder is
  // textBeforeTarget, blanks at its end aside; nothing when none is.
  std::optional<OpenCommand> Find(std::string_view textBeforeTarget) const;

 private:
  // A command is started right after it is read; a few are kept so that
  // readers on other threads do not push each other's out.
  static constexpr std::size_t kKept = 8;

  mutable std::mutex mutex_;
  std::deque<OpenCommand> recent_;  // most recent first
};

}  // namespace platform
