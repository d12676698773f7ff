#pragma once
// The one description of strouhal's interface; the manual page follows it.

#include <string>
#include <string_view>

namespace cli {

// The whole manual: synopsis, commands, options, exit status, examples.
std::string_view HelpText();

// The part of the manual about one command ("solve", "screen", ...): its
// synopsis, its description and the options it names, cut from the manual.
std::string CommandHelpText(std::string_view command);

// The synopsis alone, shown after a usage error.
std::string_view SynopsisText();

}  // namespace cli
