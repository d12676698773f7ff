#include "cli/command_line.h"

#include <optional>

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

// What follows the command word, sorted into options and positional words.
struct CommandArguments {
  std::optional<UnitSystem> units;
  bool csv = false;
  std::vector<std::string_view> words;
};

std::variant<CommandArguments, UsageError> SortArguments(std::span<const char* const> arguments) {
  constexpr std::string_view kUnitsOption = "--units";
  CommandArguments sorted;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string_view argument = arguments[i];
    if (!argument.starts_with("--")) {
      sorted.words.push_back(argument);
    } else if (argument == "--csv") {
      sorted.csv = true;
    } else if (argument == kUnitsOption || argument.starts_with("--units=")) {
      std::string_view name;
      if (argument == kUnitsOption) {
        if (++i == arguments.size()) return UsageError{"--units needs english or metric"};
        name = arguments[i];
      } else {
        name = argument.substr(kUnitsOption.size() + 1);
      }
      sorted.units = UnitsNamed(name);
      if (!sorted.units) {
        return UsageError{"unknown units '" + std::string(name) + "' (use english or metric)"};
      }
    } else {
      return UsageError{"unknown option '" + std::string(argument) + "'"};
    }
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
                        arguments.csv, {arguments.words.begin() + 1, arguments.words.end()}};
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
  } else {
    const char* kind = first.starts_with("--") ? "option" : "command";
    return UsageError{"unknown " + std::string(kind) + " '" + std::string(first) + "'"};
  }

  auto sorted = SortArguments(rest);
  if (auto* error = std::get_if<UsageError>(&sorted)) return std::move(*error);
  auto& commandArguments = std::get<CommandArguments>(sorted);
  if (command == Command::Correlate) return ParseCorrelateCommand(std::move(commandArguments));
  return ParseRelationCommand(command, std::move(commandArguments));
}

}  // namespace cli
