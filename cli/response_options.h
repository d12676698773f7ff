#pragma once
// The options of strouhal response, as typed: numbers are read when run.

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>

#include "cli/option_value.h"
#include "shedding/beam_mode.h"
#include "shedding/shed_analysis.h"

namespace cli {

struct ResponseOptions {
  shedding::UnitSystem units = shedding::UnitSystem::Metric;
  shedding::SpanSupport support = shedding::SpanSupport::Cantilever;
  std::optional<std::string_view> diameter;
  std::optional<std::string_view> height;
  std::optional<std::string_view> naturalFrequency;
  std::optional<std::string_view> mass;
  std::optional<std::string_view> wallThickness;
  std::optional<std::string_view> youngsModulus;
  std::optional<std::string_view> materialDensity;
  std::optional<std::string_view> extraMass;
  std::optional<std::string_view> logDecrement;
  std::optional<std::string_view> dampingRatio;
  std::optional<std::string_view> meanWind;
  std::optional<std::string_view> life;
  std::optional<std::string_view> svgPath;  // where the chart goes
  bool json = false;
  bool csv = false;

  bool Tube() const { return wallThickness || youngsModulus || materialDensity || extraMass; }
};

// The arguments after the word "response", or the reason they make no
// request. They must outlive the result.
std::variant<ResponseOptions, UsageError> ParseResponseOptions(std::span<const char* const> arguments);

}  // namespace cli
