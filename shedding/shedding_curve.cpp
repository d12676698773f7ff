#include "shedding/shedding_curve.h"

#include <array>
#include <cmath>

#include "shedding/correlation.h"
#include "shedding/wide_arithmetic.h"

namespace shedding {
namespace {

constexpr std::size_t kPoints = CorrelationTable.size();

// St * Re where shedding starts.
double OnsetProduct() {
  static const double product = StrouhalFromReynolds(kSheddingOnsetReynolds) * kSheddingOnsetReynolds;
  return product;
}

// St * Re at each table point: where fs * D^2 / nu stands at its Reynolds number.
constexpr std::array<double, kPoints> kProducts = [] {
  std::array<double, kPoints> products{};
  for (std::size_t i = 0; i < kPoints; ++i) products[i] = CorrelationTable[i].strouhal * CorrelationTable[i].reynolds;
  return products;
}();

// 1 / (1 + slope) for each log-log interval, with the very slope
// StrouhalFromReynolds takes, so that the inverse follows the same curve.
const std::array<double, kPoints>& InverseExponents() {
  static const std::array<double, kPoints> exponents = [] {
    std::array<double, kPoints> result{};
    for (std::size_t i = 1; i + 1 < kPoints; ++i) result[i] = 1.0 / (1.0 + CorrelationSlope(i));
    return result;
  }();
  return exponents;
}

// The Reynolds number at which St(Re) * Re = product, for a product at or
// above its value at the onset.
double ReynoldsForProduct(double product) {
  const CorrelationPoint& first = CorrelationTable[0];
  const CorrelationPoint& second = CorrelationTable[1];
  if (product < kProducts[1]) {
    // St = a + b*Re on the first interval, so b*Re^2 + a*Re = product.
    const double b = (second.strouhal - first.strouhal) / (second.reynolds - first.reynolds);
    const double a = first.strouhal - b * first.reynolds;
    return (-a + std::sqrt(a * a + 4.0 * b * product)) / (2.0 * b);
  }
  // Counted rather than searched for, as in StrouhalFromReynolds.
  std::size_t i = 1;
  for (std::size_t point = 2; point < kPoints; ++point) i += !(product < kProducts[point]) ? 1 : 0;
  const CorrelationPoint& low = CorrelationTable[i];
  if (i + 1 == kPoints) return product / low.strouhal;  // St constant from the last point on
  return low.reynolds * std::pow(product / kProducts[i], InverseExponents()[i]);
}

}  // namespace

double ReynoldsNumber(double speed, double diameter, double viscosity) {
  return UnlessOutOfRange(speed * diameter / viscosity,
                          [&] { return WideProductOver(speed, diameter, viscosity); });
}

double SheddingFrequency(double speed, double diameter, double viscosity) {
  const double reynolds = ReynoldsNumber(speed, diameter, viscosity);
  if (!(reynolds >= kSheddingOnsetReynolds)) return 0.0;
  return StrouhalFrequency(StrouhalFromReynolds(reynolds), speed, diameter);
}

double StrouhalFrequency(double strouhal, double speed, double diameter) {
  return UnlessOutOfRange(strouhal * speed / diameter, [&] { return WideProductOver(strouhal, speed, diameter); });
}

double SpeedForSheddingFrequency(double frequency, double diameter, double viscosity) {
  const double product = frequency * diameter / viscosity * diameter;
  const double reynolds = product <= OnsetProduct() ? kSheddingOnsetReynolds : ReynoldsForProduct(product);
  return UnlessOutOfRange(SpeedForReynolds(reynolds, diameter, viscosity), [&] {
    // Re * nu / D past the double range on the way. Where St * Re itself is
    // past it, St is the last point's constant, and V = f * D / St.
    return std::isfinite(reynolds) ? WideProductOver(reynolds, viscosity, diameter)
                                   : WideProductOver(frequency, diameter, CorrelationTable.back().strouhal);
  });
}

double OnsetSheddingFrequency(double diameter, double viscosity) {
  return UnlessOutOfRange(OnsetProduct() * viscosity / diameter / diameter,
                          [&] { return WideProductOver(OnsetProduct(), viscosity / diameter, diameter); });
}

double SpeedForReynolds(double reynolds, double diameter, double viscosity) {
  return reynolds * viscosity / diameter;
}

}  // namespace shedding
