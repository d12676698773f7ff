#pragma once
// The one description of strouhal's interface; the manual page follows it.

#include <string_view>

namespace cli {

// The whole manual: synopsis, commands, options, exit status, examples.
std::string_view HelpText();

// The synopsis alone, shown after a usage error.
std::string_view SynopsisText();

}  // namespace cli
