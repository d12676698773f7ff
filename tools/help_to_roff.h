#pragma once
// A manual page made from a program's --help text, so that the two say the
// same. The help text is laid out for a terminal:
//   - a line at the margin ending in ':' starts a section ("Usage:" becomes
//     the SYNOPSIS, whose lines are kept as they stand);
//   - blank lines separate paragraphs;
//   - a paragraph starting with "$ " is an example session, kept line for line;
//   - a line followed by lines indented deeper is a term (an option, a
//     command) and those lines are its description;
//   - other lines at a paragraph's or description's own indentation are
//     running text, filled by the formatter; lines indented deeper, or with a
//     gap of two or more spaces inside (a table), are kept as they stand.

#include <string>
#include <string_view>

namespace tools {

struct ManPageHeader {
  std::string_view name;     // the command, e.g. "strouhal"
  std::string_view section;  // e.g. "1"
  std::string_view summary;  // the NAME line's one-line description
  std::string_view source;   // the product and version in the footer
  std::string_view manual;   // the manual's title in the header
};

// The manual page in roff with the man macros.
std::string HelpTextToRoff(std::string_view help, const ManPageHeader& header);

}  // namespace tools
