#pragma once
// The unit words of each unit system, written once for every label, chart
// and message. Only the words change with the units; values are never
// converted.

#include <string>
#include <string_view>

#include "shedding/shed_analysis.h"

namespace shedding {

constexpr std::string_view LengthUnit(UnitSystem units) { return units == UnitSystem::English ? "ft" : "m"; }
constexpr std::string_view SpeedUnit(UnitSystem units) {
  return units == UnitSystem::English ? "ft/sec" : "m/sec";
}
constexpr std::string_view ViscosityUnit(UnitSystem units) {
  return units == UnitSystem::English ? "ft^2/sec" : "m^2/sec";
}
constexpr std::string_view TemperatureUnit(UnitSystem units) {
  return units == UnitSystem::English ? "deg F" : "deg C";
}

// "Diameter (ft)".
inline std::string WithUnit(std::string_view name, std::string_view unit) {
  return std::string(name) + " (" + std::string(unit) + ")";
}

}  // namespace shedding
