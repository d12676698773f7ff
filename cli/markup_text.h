#pragma once
// Text made safe to stand inside JSON strings.

#include <string>
#include <string_view>

namespace cli {

// The contents of a JSON string (without the quotes): quote, backslash and
// control characters escaped; other bytes, UTF-8 included, as they are.
std::string JsonEscaped(std::string_view text);

// A JSON string: the text escaped, in quotes.
std::string JsonString(std::string_view text);

// true or false.
std::string JsonBool(bool value);

// A JSON number with every digit needed to read the same double back;
// null for infinities and NaN, which JSON cannot hold.
std::string JsonNumber(double value);

}  // namespace cli
