#include "shedding/screening_chart.h"

#include <algorithm>
#include <cmath>

#include "shedding/number_text.h"
#include "shedding/shedding_curve.h"
#include "shedding/unit_words.h"

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

}  // namespace

ScreeningChart ChartScreening(const LockInScreening& screening, const ScreeningCase& cylinder,
                              const ScreeningResult& result) {
  const double viscosity = screening.Viscosity();
  const double diameter = cylinder.diameter;
  const double natural = cylinder.naturalFrequency;
  const auto frequencyAt = [&](double speed) { return SheddingFrequency(speed, diameter, viscosity); };

  ScreeningChart chart;
  const UnitSystem units = screening.Units();
  const std::string speedUnit(SpeedUnit(units));
  chart.title = "Vortex shedding of a cylinder, D = " + FormatGeneral(diameter, 0, 4) + " " +
                std::string(LengthUnit(units)) + ", fn = " + FormatGeneral(natural, 0, 4) + " Hz";
  const Figure& highSpeed = result.At(ScreeningFigureId::LockInSpeedHigh);
  chart.speedAxis = ZeroBasedAxis(
      FieldLabel(ScreeningField::Velocity, units),
      kSpeedReach * LargestFinite({cylinder.velocity, result.At(ScreeningFigureId::CriticalVelocity).value,
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

  chart.naturalFrequency = natural;
  chart.bandLowFrequency = screening.BandLow() * natural;
  chart.bandHighFrequency = screening.BandHigh() * natural;
  chart.operatingPoint = {cylinder.velocity, frequencyAt(cylinder.velocity)};
  chart.legend = {{
      {ChartSeries::Band, "Lock-in band " + FormatGeneral(screening.BandLow(), 0, kLabelDigits) + " to " +
                              FormatGeneral(screening.BandHigh(), 0, kLabelDigits) + " fn"},
      {ChartSeries::NaturalFrequency, "Natural frequency fn"},
      {ChartSeries::SheddingCurve, "Shedding frequency fs"},
      {ChartSeries::OperatingPoint, "Operating point, V = " + FormatGeneral(cylinder.velocity, 0, 4) + " " + speedUnit},
  }};

  chart.frequencyAxis = ZeroBasedAxis(
      "Frequency (Hz)",
      kFrequencyRoom * LargestFinite({chart.sheddingCurve.back().frequency, chart.bandHighFrequency}));
  return chart;
}

}  // namespace shedding
