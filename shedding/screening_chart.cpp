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

Chart ChartScreening(const LockInScreening& screening, const ScreeningCase& cylinder, const ScreeningResult& result) {
  const double viscosity = screening.Viscosity();
  const double diameter = cylinder.diameter;
  const double natural = cylinder.naturalFrequency;
  const auto frequencyAt = [&](double speed) { return SheddingFrequency(speed, diameter, viscosity); };

  Chart chart;
  const UnitSystem units = screening.Units();
  const std::string speedUnit(SpeedUnit(units));
  chart.title = "Vortex shedding of a cylinder, D = " + FormatGeneral(diameter, 0, 4) + " " +
                std::string(LengthUnit(units)) + ", fn = " + FormatGeneral(natural, 0, 4) + " Hz";
  const Figure& highSpeed = result.At(ScreeningFigureId::LockInSpeedHigh);
  chart.xAxis = ZeroBasedAxis(
      FieldLabel(ScreeningField::Velocity, units),
      kSpeedReach * LargestFinite({cylinder.velocity, result.At(ScreeningFigureId::CriticalVelocity).value,
                                   highSpeed.claimed ? highSpeed.value : 0.0}));

  const double end = chart.xAxis.highest;
  const double onsetSpeed = SpeedForReynolds(kSheddingOnsetReynolds, diameter, viscosity);
  double previous = 0.0;
  for (int step = 0; step <= kCurveSteps; ++step) {
    const double speed = end * step / kCurveSteps;
    if (previous < onsetSpeed && onsetSpeed <= speed) {
      chart.curve.push_back({onsetSpeed, 0.0});
      chart.curve.push_back({onsetSpeed, OnsetSheddingFrequency(diameter, viscosity)});
    }
    chart.curve.push_back({speed, frequencyAt(speed)});
    previous = speed;
  }

  chart.referenceLine = ChartLine{{0.0, natural}, {end, natural}};
  chart.band = {0.0, end, screening.BandLow() * natural, screening.BandHigh() * natural};
  chart.point = {cylinder.velocity, frequencyAt(cylinder.velocity)};
  chart.legend = {
      {ChartSeries::Band, "Lock-in band " + FormatGeneral(screening.BandLow(), 0, kLabelDigits) + " to " +
                              FormatGeneral(screening.BandHigh(), 0, kLabelDigits) + " fn"},
      {ChartSeries::ReferenceLine, "Natural frequency fn"},
      {ChartSeries::Curve, "Shedding frequency fs"},
      {ChartSeries::Point, "Operating point, V = " + FormatGeneral(cylinder.velocity, 0, 4) + " " + speedUnit},
  };

  chart.yAxis = ZeroBasedAxis("Frequency (Hz)",
                              kFrequencyRoom * LargestFinite({chart.curve.back().y, chart.band.yHigh}));
  return chart;
}

}  // namespace shedding
