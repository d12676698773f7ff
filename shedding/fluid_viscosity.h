#pragma once
// The kinematic viscosity of the fluids a cylinder is screened in, from the
// temperature, in the calculator's unit systems: m^2/s and degrees Celsius
// (metric), ft^2/s and degrees Fahrenheit (English).

#include <array>
#include <string_view>

#include "shedding/shed_analysis.h"

namespace shedding {

enum class Fluid {
  FreshWater,
  SeaWater,  // absolute salinity 35.16504 g/kg (practical salinity 35)
  Air,       // dry, at 101325 Pa
};

inline constexpr std::array<Fluid, 3> kFluids = {Fluid::FreshWater, Fluid::SeaWater, Fluid::Air};

struct TemperatureRange {
  double lowest;
  double highest;
};

// Where the fluid's data hold, in the units' temperature scale; both ends
// count. Water: the tables' 0 to 40 C (32 to 104 F). Air: -40 to 100 C
// (-40 to 212 F), well inside Sutherland's law's range.
TemperatureRange FluidTemperatureRange(Fluid fluid, UnitSystem units);

// nu in m^2/s or ft^2/s at a temperature within FluidTemperatureRange.
// Water: a cubic through the four nearest 1-degree points of the ITTC tables
// (shedding/ittc_water_viscosity.h), exact at the points and within 5e-5
// (relative) of the formulations behind the tables between them, which is
// the tables' own rounding; straight lines would be off by up to 2.3e-4.
// Checked on the tables alone: each inner point left out and found again
// from its neighbours (then 2 degrees apart) comes within 7.7e-5 (straight
// lines: 9.3e-4).
// Air: Sutherland's law for the dynamic viscosity over the ideal-gas density.
double KinematicViscosity(Fluid fluid, UnitSystem units, double temperature);

// "fresh water", "sea water", "air".
std::string_view FluidName(Fluid fluid);

}  // namespace shedding
