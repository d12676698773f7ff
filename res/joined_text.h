#pragma once
// Texts joined from constant parts at compile time, so that a caption made of
// the program's names is still one constant with static storage: templates
// that point at it are constant-initialised like the rest of the resources.

#include <array>
#include <cstddef>
#include <span>
#include <string>

namespace resources {

constexpr std::size_t JoinedSize(std::span<const char* const> parts) {
  std::size_t size = 1;  // the terminating NUL
  for (const char* part : parts) size += std::char_traits<char>::length(part);
  return size;
}

template <std::size_t N>
constexpr std::array<char, N> Join(std::span<const char* const> parts) {
  std::array<char, N> text{};
  std::size_t at = 0;
  for (const char* part : parts) {
    for (; *part != '\0'; ++part) text[at++] = *part;
  }
  return text;
}

// The parts, an array of constant texts, joined into one NUL-terminated array.
template <const auto& Parts>
inline constexpr auto kJoined = Join<JoinedSize(Parts)>(Parts);

}  // namespace resources
