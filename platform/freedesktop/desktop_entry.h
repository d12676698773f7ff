#pragma once
// Reading a desktop entry: whether it is hidden, and its Exec line as an open
// command. Pure functions over the entry's text.

#include <optional>
#include <string>
#include <string_view>

#include "platform/freedesktop/open_command.h"

namespace platform {

// A string key of the [Desktop Entry] group, escapes decoded.
std::optional<std::string> DesktopEntryString(std::string_view entryText, std::string_view key);

// Hidden=true: the entry counts as deleted.
bool IsHiddenEntry(std::string_view entryText);

// An Exec value (escapes already decoded) as an open command, split once:
//   - the first %u, %U, %f or %F is where the target goes, in place: in the
//     middle of a word the target becomes part of that word (--url=%u gives
//     the one argument --url=TARGET; its text is --url="%1");
//   - every other field code (a second file code, %i, %c, %k, the deprecated
//     %d %D %n %N %v %m, unknown ones and a lone % at a word's end) is
//     dropped, and a word left empty by that goes;
//   - %% becomes %.
// Nothing when the value cannot be split (a quote left open), holds a NUL,
// or its first word is not a program name (missing, empty or a file code).
std::optional<OpenCommand> ExecToOpenCommand(std::string_view exec);

// The entry's Exec line as an open command; nothing without a usable one.
std::optional<OpenCommand> OpenCommandOfEntry(std::string_view entryText);

}  // namespace platform
