#pragma once
// Reading the key files of the desktop (desktop entries, mimeapps.list,
// mimeinfo.cache): "[Group]" headers, "Key=Value" lines, "#" comments.
// Pure functions over the file's text, safe for any bytes: no line or value
// length limit, no assumption of valid UTF-8, "\r\n" line ends accepted.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

// The value of key in group, as written (blanks around "=" and at the line's
// end left out, escapes not decoded). Keys compare exactly, so "Exec" does
// not match "Exec[de]". The first match wins, also when a group appears
// more than once.
std::optional<std::string_view> KeyFileValue(std::string_view text, std::string_view group,
                                             std::string_view key);

// A string value with its escapes decoded: \s space, \n newline, \t tab,
// \r carriage return, \\ backslash. Any other backslash stays as written.
std::string DecodeKeyFileString(std::string_view raw);

// The items of a ";"-separated list, blanks around them left out, empty ones
// dropped.
std::vector<std::string> SplitKeyFileList(std::string_view raw);

}  // namespace platform
