#pragma once
// A verdict of an analysis: a short key for data files and the sentence
// that says it. The value is the verdict; nothing is stored beside it.

#include <string_view>

namespace shedding {

struct Verdict {
  std::string_view key;    // "lock-in", "investigate", ...
  std::string_view words;  // one sentence

  friend constexpr bool operator==(const Verdict&, const Verdict&) = default;
};

}  // namespace shedding
