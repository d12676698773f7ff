#include "shedding/fluid_viscosity.h"

#include <algorithm>
#include <cmath>

#include "shedding/ittc_water_viscosity.h"

namespace shedding {
namespace {

constexpr double kSquareFootInSquareMetres = 0.09290304;  // (0.3048 m)^2, exact
constexpr double kAbsoluteZeroCelsius = -273.15;

// U.S. Standard Atmosphere, 1976 (NOAA-S/T 76-1562): Sutherland's law
// mu = beta * T^1.5 / (T + S), eq. 51, and the density rho = P * M0 / (R* * T),
// eq. 42, with its constants.
constexpr double kSutherlandBeta = 1.458e-6;       // kg / (m s K^0.5)
constexpr double kSutherlandConstant = 110.4;      // K
constexpr double kMolarMassOfAir = 28.9644;        // kg / kmol
constexpr double kGasConstant = 8314.32;           // J / (kmol K)
constexpr double kStandardPressure = 101325.0;     // Pa

double CelsiusFrom(UnitSystem units, double temperature) {
  return units == UnitSystem::English ? (temperature - 32.0) * 5.0 / 9.0 : temperature;
}

// Lagrange cubic through table rows i..i+3, the rows nearest to celsius.
double TableCubic(const std::array<double, kIttcRows>& table, double celsius) {
  const double position = std::clamp(celsius, kIttcFirstCelsius, kIttcLastCelsius) - kIttcFirstCelsius;
  const auto first = static_cast<std::size_t>(std::clamp(std::floor(position) - 1.0, 0.0,
                                                         static_cast<double>(kIttcRows - 4)));
  const double u = position - static_cast<double>(first);
  const double weights[4] = {-(u - 1) * (u - 2) * (u - 3) / 6, u * (u - 2) * (u - 3) / 2,
                             -u * (u - 1) * (u - 3) / 2, u * (u - 1) * (u - 2) / 6};
  double viscosity = 0.0;
  for (std::size_t k = 0; k < 4; ++k) viscosity += weights[k] * table[first + k];
  return viscosity;
}

double AirViscosity(double celsius) {
  const double kelvin = celsius - kAbsoluteZeroCelsius;
  const double dynamic = kSutherlandBeta * kelvin * std::sqrt(kelvin) / (kelvin + kSutherlandConstant);
  const double density = kStandardPressure * kMolarMassOfAir / (kGasConstant * kelvin);
  return dynamic / density;
}

}  // namespace

TemperatureRange FluidTemperatureRange(Fluid fluid, UnitSystem units) {
  const bool english = units == UnitSystem::English;
  if (fluid == Fluid::Air) return english ? TemperatureRange{-40.0, 212.0} : TemperatureRange{-40.0, 100.0};
  return english ? TemperatureRange{32.0, 104.0} : TemperatureRange{kIttcFirstCelsius, kIttcLastCelsius};
}

double KinematicViscosity(Fluid fluid, UnitSystem units, double temperature) {
  const double celsius = CelsiusFrom(units, temperature);
  double metric = 0.0;
  switch (fluid) {
    case Fluid::FreshWater: metric = TableCubic(kIttcFreshWaterViscosity, celsius); break;
    case Fluid::SeaWater: metric = TableCubic(kIttcSeaWaterViscosity, celsius); break;
    case Fluid::Air: metric = AirViscosity(celsius); break;
  }
  return units == UnitSystem::English ? metric / kSquareFootInSquareMetres : metric;
}

std::string_view FluidName(Fluid fluid) {
  switch (fluid) {
    case Fluid::FreshWater: return "fresh water";
    case Fluid::SeaWater: return "sea water";
    case Fluid::Air: return "air";
  }
  return "";
}

}  // namespace shedding
