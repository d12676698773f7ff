#pragma once
// A strict reader for the JSON that strouhal prints: it rejects anything that
// is not well-formed JSON and flattens the rest into paths such as
// "lock_in.verdict" or "band[1]", each with its scalar as text (strings
// unescaped, numbers and literals as written).

#include <map>
#include <optional>
#include <string>
#include <string_view>

using JsonFields = std::map<std::string, std::string>;

// nullopt if text is not exactly one well-formed JSON value (white space around it allowed).
std::optional<JsonFields> ReadJson(std::string_view text);
