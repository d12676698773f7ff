#include "shedding/screening_chart.h"

#include <algorithm>
#include <cmath>

#include "shedding/number_text.h"
#include "shedding/shedding_curve.h"

namespace shedding {
namespace {

constexpr int kCurveSteps = 240;
constexpr double kSpeedReach = 1.5;      // the speed axis reaches past the case's speeds by this factor
constexpr double kFrequencyRoom = 1.05;  // headroom above the highest frequency shown
constexpr int kLabelDigits = 3;

double LargestFinite(std::initializer_list<double> values) {
  double largest = 0.0;
  for (const double value : values) {
    if (std::isfinite(value)) largest = std::max(largest, value);
  }
  return largest;
}

std::string SpeedUnit(UnitSystem units) { return units == UnitSystem::English ? "ft/sec" : "m/sec"; }

}  // namespace

ScreeningChart ChartScreening(const LockInScreening& screening, const ScreeningCase& cylinder,
                              const ScreeningResult& result) {
  const double viscosity = screening.Viscosity();
  const double diameter = cylinder.diameter;
  const double natural = cylinder.naturalFrequency;
  const auto frequencyAt = [&](double speed) { return SheddingFrequency(speed, diameter, viscosity); };

  ScreeningChart chart;
  const std::string unit = SpeedUnit(screening.Units());
  chart.title = "Vortex shedding of a cylinder, D = " + FormatGeneral(diameter, 0, 4) +
                (screening.Units() == UnitSystem::English ? " ft" : " m") +
                ", fn = " + FormatGeneral(natural, 0, 4) + " Hz";
  const ScreeningFigure& highSpeed = result.Figure(ScreeningFigureId::LockInSpeedHigh);
  chart.speedAxis = ZeroBasedAxis(
      "Flow velocity (" + unit + ")",
      kSpeedReach * LargestFinite({cylinder.velocity, result.Figure(ScreeningFigureId::CriticalVelocity).value,
                                   highSpeed.claimed ? highSpeed.value : 0.0}));

  const double end = chart.speedAxis.highest;
  const double onsetSpeed = SpeedForReynolds(kSheddingOnsetReynolds, diameter, viscosity);
  double previous = 0.0;
  for (int step = 0; step <= kCurveSteps; ++step) {
    const double speed = end * step / kCurveSteps;
    if (previous < onsetSpeed && onsetSpeed <= speed) {
      chart.sheddingCurve.push_back({onsetSpeed, 0.0});
      chart.sheddingCurve.push_back({onsetSpeed, OnsetSheddingFrequency(diameter, viscosity)});
    }
    chart.sheddingCurve.push_back({speed, frequencyAt(speed)});
    previous = speed;
  }
  chart.curveLabel = "Shedding frequency fs";

  chart.naturalFrequency = natural;
  chart.naturalLabel = "Natural frequency fn";
  chart.bandLowFrequency = screening.BandLow() * natural;
  chart.bandHighFrequency = screening.BandHigh() * natural;
  chart.bandLabel = "Lock-in band " + FormatGeneral(screening.BandLow(), 0, kLabelDigits) + " to " +
                    FormatGeneral(screening.BandHigh(), 0, kLabelDigits) + " fn";
  chart.operatingPoint = {cylinder.velocity, frequencyAt(cylinder.velocity)};
  chart.operatingLabel = "Operating point, V = " + FormatGeneral(cylinder.velocity, 0, 4) + " " + unit;

  chart.frequencyAxis = ZeroBasedAxis(
      "Frequency (Hz)",
      kFrequencyRoom * LargestFinite({chart.sheddingCurve.back().frequency, chart.bandHighFrequency}));
  return chart;
}

}  // namespace shedding
