#pragma once
// Text made safe to stand inside XML.

#include <string>
#include <string_view>

namespace output {

// Character data or an attribute value for XML: & < > " ' as entities.
std::string XmlEscaped(std::string_view text);

}  // namespace output
