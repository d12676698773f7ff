#pragma once
// The command-line syntax of the registry's open commands and of the
// command-start service. It is the quoting of a desktop entry's Exec line, so
// an Exec line reads the same either way:
//   - words are separated by blanks (space, tab, newline, carriage return,
//     vertical tab, form feed);
//   - double quotes group, also in the middle of a word (a"b c"d is one word,
//     "ab cd"), and "" is an empty word;
//   - inside double quotes a backslash escapes ", `, $ and \ ; before any
//     other character it is an ordinary character;
//   - outside double quotes backslashes and single quotes are ordinary
//     characters;
//   - nothing is expanded: no variables, no globbing, no ~, no shell.
// Pure functions over strings, safe for any input.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

// The blanks that separate words.
inline constexpr std::string_view kCommandBlanks = " \t\n\r\v\f";

// The words of line, or nothing when a double quote is left open.
std::optional<std::vector<std::string>> SplitCommandWords(std::string_view line);

// word written so that SplitCommandWords reads it back as one word, unchanged:
// as it is when it needs no quotes, otherwise in double quotes with every
// double quote and backslash escaped.
std::string QuoteCommandWord(std::string_view word);

}  // namespace platform
