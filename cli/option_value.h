#pragma once
// How every strouhal command reads an option's value.

#include <span>
#include <string>
#include <string_view>
#include <variant>

namespace cli {

struct UsageError {
  std::string message;
};

// Whether the argument is that option, as "--name" or "--name=value".
bool IsOption(std::string_view argument, std::string_view name);

// The value of the option at arguments[i], from "--name=value" or from the
// next argument (then i moves on to it). A value never begins with "--", so
// that "--svg --json" cannot take the next option for a file name.
std::variant<std::string_view, UsageError> ValueOf(std::string_view name, std::span<const char* const> arguments,
                                                   std::size_t& i);

}  // namespace cli
