#include "cli/option_value.h"

namespace cli {

bool IsOption(std::string_view argument, std::string_view name) {
  return argument == name ||
         (argument.size() > name.size() && argument.starts_with(name) && argument[name.size()] == '=');
}

std::variant<std::string_view, UsageError> ValueOf(std::string_view name, std::span<const char* const> arguments,
                                                   std::size_t& i) {
  const std::string_view argument = arguments[i];
  std::string_view value;
  if (argument != name) {
    value = argument.substr(name.size() + 1);
  } else if (++i < arguments.size()) {
    value = arguments[i];
  } else {
    return UsageError{std::string(name) + " needs a value"};
  }
  if (value.starts_with("--")) {
    return UsageError{std::string(name) + " needs a value, not '" + std::string(value) + "'"};
  }
  return value;
}

}  // namespace cli
