#pragma once
// Writing an argument into a Windows command line. A program's C runtime
// splits its command line into argv by these rules: blanks separate,
// double quotes group, a backslash is literal unless backslashes precede a
// double quote, where 2n of them give n and a grouping quote, and 2n+1 give
// n and a literal quote.

#include <string>
#include <string_view>

namespace platform {

// Appends argument so that the rules above read it back as exactly one
// argument, unchanged: as it is when it is not empty and holds no blank or
// double quote; otherwise in double quotes, each quote escaped and the
// backslashes before a quote or the closing quote doubled.
void AppendWindowsArgument(std::string& commandLine, std::string_view argument);

}  // namespace platform
