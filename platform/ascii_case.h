#pragma once
// ASCII-only case folding, independent of the process locale (registry keys
// and desktop names compare without case; a Turkish locale must not change
// what "I" means).

#include <string>
#include <string_view>

namespace platform {

constexpr char AsciiLower(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

std::string AsciiLower(std::string_view text);

bool EqualsIgnoringAsciiCase(std::string_view a, std::string_view b);

bool EndsWithIgnoringAsciiCase(std::string_view text, std::string_view suffix);

}  // namespace platform
