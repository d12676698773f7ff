#pragma once
// Turns the arguments into one request, or into the reason they make none.
// Only arguments that begin with "--" are options: "-1" is a value.

#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "shedding/shed_analysis.h"

namespace cli {

enum class Command { Solve, Correlate, Labels, Help, Version };

struct Invocation {
  Command command = Command::Help;
  shedding::ShedAnalysis analysis = shedding::ShedAnalysis::StrouhalNumber;
  shedding::UnitSystem units = shedding::UnitSystem::Metric;
  bool csv = false;
  std::vector<std::string_view> values;  // solve: V1 V2 V3; correlate: RE...
};

struct UsageError {
  std::string message;
};

// arguments: argv without the program name; they must outlive the result.
std::variant<Invocation, UsageError> ParseCommandLine(std::span<const char* const> arguments);

}  // namespace cli
