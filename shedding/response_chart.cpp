#include "shedding/response_chart.h"

#include <algorithm>
#include <limits>
#include <string>

#include "shedding/approach_one_amplitude.h"
#include "shedding/en1991_annex_e_tables.h"
#include "shedding/number_text.h"
#include "shedding/unit_words.h"

namespace shedding {
namespace {

// Where large amplitudes begin: yF,max / b = 0.1, the amplitude from which
// Table E.4 lengthens the correlation length with the vibration itself. No
// standard we have read draws this band; its edge is our choice, not a value
// a standard sets for it.
constexpr double kLargeAmplitudeRatio = en1991::kCorrelationSmallAmplitude;
constexpr double kScrutonRoom = 10.0;  // the Sc axis reaches a decade past the point and the band's edge
constexpr int kLabelDigits = 3;

std::string Shown(double value) { return FormatGeneral(value, 0, kLabelDigits); }

}  // namespace

Chart ChartResponse(const ResponseCase& cylinder, const ResponseResult& result) {
  using enum ResponseFigureId;
  const double scruton = result.At(Scruton).value;
  const double k = result.At(ModeShapeFactor).value;
  const double kw = result.At(CorrelationLengthFactor).value;
  const double clat = result.At(LateralForceCoefficient).value;
  // Table E.3 gives clat = 0 from vcrit / vm = 1.25: no amplitude, so the
  // curve shows what clat,0 would give.
  const bool withoutForce = !(clat > 0.0);
  const double curveClat = withoutForce ? BasicLateralForceCoefficient(result.At(Reynolds).value) : clat;
  const auto ratioAt = [&](double sc) { return ApproachOneAmplitudeRatio(k, kw, curveClat, sc); };
  // E.7 falls as 1 / Sc.
  const double edge = ratioAt(1.0) / kLargeAmplitudeRatio;

  Chart chart;
  const UnitSystem units = cylinder.units;
  chart.title = "Vortex-induced amplitude against Scruton number, b = " + FormatGeneral(cylinder.diameter, 0, 4) +
                " " + std::string(LengthUnit(units)) + ", fn = " +
                FormatGeneral(result.At(NaturalFrequency).value, 0, 4) + " Hz";
  chart.xAxis = DecadeAxis("Scruton number Sc", std::min(scruton, edge) / kScrutonRoom,
                           std::max(scruton, edge) * kScrutonRoom);
  // A straight line on log-log axes: its ends are the whole curve.
  chart.curve = {{chart.xAxis.lowest, ratioAt(chart.xAxis.lowest)},
                 {chart.xAxis.highest, ratioAt(chart.xAxis.highest)}};
  chart.yAxis = DecadeAxis("Amplitude yF,max / b", chart.curve.back().y, chart.curve.front().y);
  chart.band = {0.0, edge, 0.0, std::numeric_limits<double>::infinity()};
  chart.point = {scruton, result.At(AmplitudeRatio).value};

  const std::string clatWords = withoutForce ? "clat,0 = " + Shown(curveClat) : "clat = " + Shown(clat);
  chart.legend = {
      {ChartSeries::Band, "Large amplitudes, yF,max / b above " + Shown(kLargeAmplitudeRatio) + ": Sc below " +
                              Shown(edge)},
      {ChartSeries::Curve, "EN 1991-1-4 (E.7), K = " + Shown(k) + ", Kw = " + Shown(kw) + ", " + clatWords},
      {ChartSeries::Point, "Structure, Sc = " + Shown(scruton) + ", yF,max / b = " + Shown(chart.point.y) +
                               (withoutForce ? " (clat = 0: vcrit / vm at or above 1.25, Table E.3)" : "")},
  };
  return chart;
}

}  // namespace shedding
