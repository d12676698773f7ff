#pragma once
// Reading a desktop entry: whether it is hidden, and its Exec line as an open
// command with the "%1" placeholder. Pure functions over the entry's text.

#include <optional>
#include <string>
#include <string_view>

#include "platform/services.h"  // kTargetPlaceholder

namespace platform {

// A string key of the [Desktop Entry] group, escapes decoded.
std::optional<std::string> DesktopEntryString(std::string_view entryText, std::string_view key);

// Hidden=true: the entry counts as deleted.
bool IsHiddenEntry(std::string_view entryText);

// An Exec value (escapes already decoded) as an open command in the syntax of
// command_words.h:
//   - the first %u, %U, %f or %F becomes the placeholder "%1", in place: in
//     the middle of a word the command still reads it as part of that word
//     (--url=%u becomes --url="%1"). A reader that cuts the command at the
//     placeholder and appends the target as a word of its own, as the link
//     fallback does, passes "--url=" and the target as two words instead;
//   - every other field code (a second file code, %i, %c, %k, the deprecated
//     %d %D %n %N %v %m, unknown ones and a lone % at a word's end) is
//     dropped, and a word left empty by that goes;
//   - %% becomes %;
//   - the words are written back with QuoteCommandWord, one space apart.
// Nothing when the value cannot be split (a quote left open), holds a NUL,
// or its first word is not a program name (missing, empty or a file code).
std::optional<std::string> ExecToOpenCommand(std::string_view exec);

// The entry's Exec line as an open command; nothing without a usable one.
std::optional<std::string> OpenCommandOfEntry(std::string_view entryText);

}  // namespace platform
