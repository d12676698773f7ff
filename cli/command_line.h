#pragma once
// Turns the arguments into one request, or into the reason they make none.
// Only arguments that begin with "--" are options: "-1" is a value; after
// "--" every argument is a value.

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "cli/response_options.h"
#include "cli/option_value.h"
#include "shedding/fluid_viscosity.h"
#include "shedding/shed_analysis.h"

namespace cli {

enum class Command { Solve, Correlate, Labels, Screen, Response, Help, Version };

// strouhal screen: the option values as typed; numbers are read when run.
struct ScreenOptions {
  std::optional<shedding::Fluid> fluid;
  std::optional<std::string_view> temperature;
  std::optional<std::string_view> viscosity;
  std::optional<std::string_view> velocity;
  std::optional<std::string_view> diameter;
  std::optional<std::string_view> naturalFrequency;
  std::optional<std::string_view> bandLow;  // --band LO,HI split at its comma
  std::optional<std::string_view> bandHigh;
  bool json = false;
  std::optional<std::string_view> svgPath;
};

struct Invocation {
  Command command = Command::Help;
  shedding::ShedAnalysis analysis = shedding::ShedAnalysis::StrouhalNumber;
  shedding::UnitSystem units = shedding::UnitSystem::Metric;
  bool csv = false;
  std::vector<std::string_view> values;  // solve: V1 V2 V3; correlate: RE...
  ScreenOptions screen;
  ResponseOptions response;
  std::string_view helpTopic;  // Help: the command asked about, or empty for all
};

// arguments: argv without the program name; they must outlive the result.
std::variant<Invocation, UsageError> ParseCommandLine(std::span<const char* const> arguments);

}  // namespace cli
