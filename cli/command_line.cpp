#include "cli/command_line.h"

#include <algorithm>
#include <array>
#include <optional>

#include "cli/option_value.h"

namespace cli {
namespace {

using shedding::ShedAnalysis;
using shedding::UnitSystem;

std::optional<ShedAnalysis> AnalysisNamed(std::string_view name) {
  if (name == "st" || name == "strouhal") return ShedAnalysis::StrouhalNumber;
  if (name == "f" || name == "frequency") return ShedAnalysis::Frequency;
  if (name == "d" || name == "diameter") return ShedAnalysis::Diameter;
  if (name == "v" || name == "velocity") return ShedAnalysis::Velocity;
  return std::nullopt;
}

std::optional<UnitSystem> UnitsNamed(std::string_view name) {
  if (name == "english") return UnitSystem::English;
  if (name == "metric") return UnitSystem::Metric;
  return std::nullopt;
}

std::optional<shedding::Fluid> FluidNamed(std::string_view name) {
  if (name == "water") return shedding::Fluid::FreshWater;
  if (name == "seawater") return shedding::Fluid::SeaWater;
  if (name == "air") return shedding::Fluid::Air;
  return std::nullopt;
}

// Options of strouhal screen that take a value.
constexpr std::array<std::string_view, 8> kScreenValueOptions = {
    "--fluid", "--temperature", "--viscosity", "--velocity", "--diameter", "--natural-frequency", "--band", "--svg"};

struct OptionValue {
  std::string_view name;
  std::string_view value;
};

// What follows the command word, sorted into options and positional words.
struct CommandArguments {
  std::optional<UnitSystem> units;
  bool csv = false;
  bool json = false;
  std::vector<OptionValue> screenValues;
  std::vector<std::string_view> words;
};

std::variant<CommandArguments, UsageError> SortArguments(std::span<const char* const> arguments,
                                                         bool screen) {
  CommandArguments sorted;
  bool optionsEnded = false;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string_view argument = arguments[i];
    if (optionsEnded || !argument.starts_with("--")) {
      sorted.words.push_back(argument);
      continue;
    }
    if (argument == "--") {
      optionsEnded = true;
      continue;
    }
    if (argument == "--csv") {
      sorted.csv = true;
      continue;
    }
    if (screen && argument == "--json") {
      sorted.json = true;
      continue;
    }
    if (IsOption(argument, "--units")) {
      const auto units = ValueOf("--units", arguments, i);
      if (std::holds_alternative<UsageError>(units)) return UsageError{"--units needs a value, english or metric"};
      const std::string_view name = std::get<std::string_view>(units);
      sorted.units = UnitsNamed(name);
      if (!sorted.units) {
        return UsageError{"unknown units '" + std::string(name) + "' (use english or metric)"};
      }
      continue;
    }
    const auto option = std::find_if(kScreenValueOptions.begin(), kScreenValueOptions.end(),
                                     [&](std::string_view name) { return screen && IsOption(argument, name); });
    if (option == kScreenValueOptions.end()) return UsageError{"unknown option '" + std::string(argument) + "'"};
    auto value = ValueOf(*option, arguments, i);
    if (auto* error = std::get_if<UsageError>(&value)) return std::move(*error);
    sorted.screenValues.push_back({*option, std::get<std::string_view>(value)});
  }
  return sorted;
}

// solve and labels: the first word names the quantity to solve for.
std::variant<Invocation, UsageError> ParseRelationCommand(Command command,
                                                          CommandArguments arguments) {
  const std::string_view name = command == Command::Solve ? "solve" : "labels";
  if (arguments.words.empty()) {
    return UsageError{std::string(name) + " needs the quantity to solve for (st, f, d or v)"};
  }
  const auto analysis = AnalysisNamed(arguments.words.front());
  if (!analysis) {
    return UsageError{"unknown quantity '" + std::string(arguments.words.front()) +
                      "' (use st, f, d or v)"};
  }
  Invocation invocation{command, *analysis, arguments.units.value_or(UnitSystem::Metric),
                        arguments.csv, {arguments.words.begin() + 1, arguments.words.end()}, {}, {}, {}};
  const std::size_t count = invocation.values.size();
  if (command == Command::Labels) {
    if (invocation.csv) return UsageError{"labels takes no --csv"};
    if (count != 0) return UsageError{"labels takes no values"};
  } else if (invocation.csv && count != 0) {
    return UsageError{"solve --csv reads its values from standard input, not the command line"};
  } else if (!invocation.csv && count != 3) {
    return UsageError{"solve needs three values, got " + std::to_string(count)};
  }
  return invocation;
}

std::variant<Invocation, UsageError> ParseCorrelateCommand(CommandArguments arguments) {
  if (arguments.units) return UsageError{"correlate takes no --units"};
  if (arguments.csv && !arguments.words.empty()) {
    return UsageError{"correlate --csv reads its values from standard input, not the command line"};
  }
  if (!arguments.csv && arguments.words.empty()) {
    return UsageError{"correlate needs at least one Reynolds number"};
  }
  Invocation invocation;
  invocation.command = Command::Correlate;
  invocation.csv = arguments.csv;
  invocation.values = std::move(arguments.words);
  return invocation;
}

std::variant<Invocation, UsageError> ParseScreenCommand(CommandArguments arguments) {
  if (!arguments.words.empty()) {
    return UsageError{"screen takes its values as options, not '" + std::string(arguments.words.front()) + "'"};
  }
  Invocation invocation;
  invocation.command = Command::Screen;
  invocation.units = arguments.units.value_or(UnitSystem::Metric);
  invocation.csv = arguments.csv;
  ScreenOptions& screen = invocation.screen;
  screen.json = arguments.json;
  for (const auto& [name, value] : arguments.screenValues) {
    if (name == "--fluid") {
      screen.fluid = FluidNamed(value);
      if (!screen.fluid) return UsageError{"unknown fluid '" + std::string(value) + "' (use water, seawater or air)"};
    } else if (name == "--band") {
      const std::size_t comma = value.find(',');
      if (comma == std::string_view::npos || value.find(',', comma + 1) != std::string_view::npos) {
        return UsageError{"--band needs LO,HI"};
      }
      screen.bandLow = value.substr(0, comma);
      screen.bandHigh = value.substr(comma + 1);
    } else {
      std::optional<std::string_view>& field = name == "--temperature" ? screen.temperature
                                               : name == "--viscosity" ? screen.viscosity
                                               : name == "--velocity"  ? screen.velocity
                                               : name == "--diameter"  ? screen.diameter
                                               : name == "--svg"       ? screen.svgPath
                                                                       : screen.naturalFrequency;
      field = value;
    }
  }
  if (screen.fluid.has_value() == screen.viscosity.has_value()) {
    return UsageError{"screen needs either --fluid with --temperature, or --viscosity"};
  }
  if (screen.fluid.has_value() != screen.temperature.has_value()) {
    return UsageError{"--fluid and --temperature go together"};
  }
  const bool caseGiven = screen.velocity || screen.diameter || screen.naturalFrequency;
  if (invocation.csv) {
    if (caseGiven) return UsageError{"screen --csv reads V,D,FN from standard input, not the command line"};
    if (screen.json || screen.svgPath) return UsageError{"screen --csv takes no --json or --svg"};
  } else if (!(screen.velocity && screen.diameter && screen.naturalFrequency)) {
    return UsageError{"screen needs --velocity, --diameter and --natural-frequency"};
  }
  return invocation;
}

}  // namespace

std::variant<Invocation, UsageError> ParseCommandLine(std::span<const char* const> arguments) {
  if (arguments.empty()) return UsageError{"missing command"};
  const std::string_view first = arguments.front();
  const auto rest = arguments.subspan(1);

  if (first == "--help" || first == "--version") {
    if (!rest.empty()) return UsageError{std::string(first) + " takes no arguments"};
    Invocation invocation;
    invocation.command = first == "--help" ? Command::Help : Command::Version;
    return invocation;
  }

  Command command{};
  if (first == "solve") {
    command = Command::Solve;
  } else if (first == "labels") {
    command = Command::Labels;
  } else if (first == "correlate") {
    command = Command::Correlate;
  } else if (first == "screen") {
    command = Command::Screen;
  } else if (first == "response") {
    command = Command::Response;
  } else {
    const char* kind = first.starts_with("--") ? "option" : "command";
    return UsageError{"unknown " + std::string(kind) + " '" + std::string(first) + "'"};
  }

  // "strouhal CMD ... --help" asks for that command's usage, whatever else
  // is there; after "--" it is a value like any other.
  const auto help = std::find_if(rest.begin(), rest.end(),
                                 [](std::string_view argument) { return argument == "--help" || argument == "--"; });
  if (help != rest.end() && std::string_view(*help) == "--help") {
    Invocation invocation;
    invocation.command = Command::Help;
    invocation.helpTopic = first;
    return invocation;
  }

  if (command == Command::Response) {
    auto response = ParseResponseOptions(rest);
    if (auto* error = std::get_if<UsageError>(&response)) return std::move(*error);
    Invocation invocation;
    invocation.command = Command::Response;
    invocation.response = std::get<ResponseOptions>(std::move(response));
    return invocation;
  }

  auto sorted = SortArguments(rest, command == Command::Screen);
  if (auto* error = std::get_if<UsageError>(&sorted)) return std::move(*error);
  auto& commandArguments = std::get<CommandArguments>(sorted);
  if (command == Command::Correlate) return ParseCorrelateCommand(std::move(commandArguments));
  if (command == Command::Screen) return ParseScreenCommand(std::move(commandArguments));
  return ParseRelationCommand(command, std::move(commandArguments));
}

}  // namespace cli
