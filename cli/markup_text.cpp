#include "cli/markup_text.h"

#include <array>
#include <charconv>
#include <cmath>

namespace cli {

std::string JsonEscaped(std::string_view text) {
  constexpr std::string_view kHex = "0123456789abcdef";
  std::string escaped;
  escaped.reserve(text.size());
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (c == '"' || c == '\\') {
      escaped += '\\';
      escaped += c;
    } else if (byte < 0x20) {
      escaped += "\\u00";
      escaped += kHex[byte >> 4];
      escaped += kHex[byte & 0xF];
    } else {
      escaped += c;
    }
  }
  return escaped;
}

std::string JsonString(std::string_view text) { return "\"" + JsonEscaped(text) + "\""; }

std::string JsonBool(bool value) { return value ? "true" : "false"; }

std::string JsonNumber(double value) {
  if (!std::isfinite(value)) return "null";
  std::array<char, 32> digits{};
  const auto result = std::to_chars(digits.data(), digits.data() + digits.size(), value);
  return {digits.data(), result.ptr};
}

}  // namespace cli
