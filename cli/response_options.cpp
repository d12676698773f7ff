#include "cli/response_options.h"

#include <algorithm>
#include <array>
#include <utility>

namespace cli {
namespace {

using Field = std::optional<std::string_view> ResponseOptions::*;

struct ValueOption {
  std::string_view name;
  Field field;  // null for --units and --support, which take words
};

constexpr std::array<ValueOption, 15> kValueOptions = {{
    {"--units", nullptr},
    {"--support", nullptr},
    {"--diameter", &ResponseOptions::diameter},
    {"--height", &ResponseOptions::height},
    {"--natural-frequency", &ResponseOptions::naturalFrequency},
    {"--mass", &ResponseOptions::mass},
    {"--wall-thickness", &ResponseOptions::wallThickness},
    {"--youngs-modulus", &ResponseOptions::youngsModulus},
    {"--material-density", &ResponseOptions::materialDensity},
    {"--extra-mass", &ResponseOptions::extraMass},
    {"--log-decrement", &ResponseOptions::logDecrement},
    {"--damping-ratio", &ResponseOptions::dampingRatio},
    {"--mean-wind", &ResponseOptions::meanWind},
    {"--life", &ResponseOptions::life},
    {"--svg", &ResponseOptions::svgPath},
}};

std::optional<shedding::SpanSupport> SupportNamed(std::string_view name) {
  for (const auto support : shedding::kSpanSupports) {
    if (name == shedding::SupportName(support)) return support;
  }
  return std::nullopt;
}

std::optional<std::string> SetWord(ResponseOptions& options, std::string_view name, std::string_view value) {
  if (name == "--support") {
    const auto support = SupportNamed(value);
    if (!support) return "unknown support '" + std::string(value) + "' (use cantilever, pinned, fixed-pinned or fixed)";
    options.support = *support;
  } else if (value == "english" || value == "metric") {
    options.units = value == "english" ? shedding::UnitSystem::English : shedding::UnitSystem::Metric;
  } else {
    return "unknown units '" + std::string(value) + "' (use english or metric)";
  }
  return std::nullopt;
}

std::optional<std::string> CheckCombination(const ResponseOptions& o) {
  const bool given = o.naturalFrequency || o.mass;
  if (o.csv) {
    if (given || o.Tube() || o.diameter || o.height || o.logDecrement || o.dampingRatio || o.meanWind) {
      return "response --csv reads B,H,FN,ME,DS,VM from standard input, not the command line";
    }
    if (o.json || o.svgPath) return "response --csv takes no --json or --svg";
    return std::nullopt;
  }
  if (!(o.diameter && o.height && o.meanWind)) return "response needs --diameter, --height and --mean-wind";
  if (given == o.Tube()) {
    return "response needs either --natural-frequency with --mass, or the tube "
           "(--wall-thickness, --youngs-modulus, --material-density [--extra-mass])";
  }
  if (given && !(o.naturalFrequency && o.mass)) return "--natural-frequency and --mass go together";
  if (o.Tube() && !(o.wallThickness && o.youngsModulus && o.materialDensity)) {
    return "the tube needs --wall-thickness, --youngs-modulus and --material-density";
  }
  if (o.logDecrement.has_value() == o.dampingRatio.has_value()) {
    return "response needs either --log-decrement or --damping-ratio";
  }
  return std::nullopt;
}

}  // namespace

std::variant<ResponseOptions, UsageError> ParseResponseOptions(std::span<const char* const> arguments) {
  ResponseOptions options;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string_view argument = arguments[i];
    if (!argument.starts_with("--")) {
      return UsageError{"response takes its values as options, not '" + std::string(argument) + "'"};
    }
    if (argument == "--json" || argument == "--csv") {
      (argument == "--json" ? options.json : options.csv) = true;
      continue;
    }
    const std::string_view name = argument.substr(0, argument.find('='));
    const auto* option = std::find_if(kValueOptions.begin(), kValueOptions.end(),
                                      [name](const ValueOption& known) { return known.name == name; });
    if (option == kValueOptions.end()) return UsageError{"unknown option '" + std::string(argument) + "'"};
    const auto value = ValueOf(name, arguments, i);
    if (const auto* error = std::get_if<UsageError>(&value)) return *error;
    if (option->field) {
      options.*(option->field) = std::get<std::string_view>(value);
    } else if (auto error = SetWord(options, name, std::get<std::string_view>(value))) {
      return UsageError{*std::move(error)};
    }
  }
  if (auto error = CheckCombination(options)) return UsageError{*std::move(error)};
  return options;
}

}  // namespace cli
