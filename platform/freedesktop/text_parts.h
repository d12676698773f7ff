#pragma once
// Splitting text on a separator, one part at a time, without copying.

#include <cstddef>
#include <string_view>

namespace platform {

// Takes the text before the first separator (all of it when there is none)
// off the front of text, with that separator. A separator at the very end
// thus leaves text empty rather than starting an empty last part; what to do
// with empty parts in between is the caller's choice.
inline std::string_view TakePart(std::string_view& text, char separator) {
  const std::size_t end = text.find(separator);
  const std::string_view part = text.substr(0, end);
  text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
  return part;
}

}  // namespace platform
