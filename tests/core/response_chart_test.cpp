#include "shedding/response_chart.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace {

using shedding::Chart;
using shedding::ChartSeries;
using shedding::ResponseCase;
using shedding::ResponseFigureId;
using shedding::ResponseResult;

// The curve's value at Sc, read off its drawn samples: on log-log axes
// straight between them.
double CurveAt(const Chart& chart, double scruton) {
  for (std::size_t i = 1; i < chart.curve.size(); ++i) {
    const auto& low = chart.curve[i - 1];
    const auto& high = chart.curve[i];
    if (low.x <= scruton && scruton <= high.x) {
      const double share = std::log(scruton / low.x) / std::log(high.x / low.x);
      return low.y * std::pow(high.y / low.y, share);
    }
  }
  ADD_FAILURE() << "Sc " << scruton << " is off the curve";
  return 0.0;
}

ResponseResult Computed(const ResponseCase& cylinder) {
  const auto outcome = shedding::ComputeVortexResponse(cylinder);
  EXPECT_TRUE(std::holds_alternative<ResponseResult>(outcome));
  return std::get<ResponseResult>(outcome);
}

// A steel chimney, b = 1 m, h = 30 m, fn = 1 Hz, me = 200 kg/m: vcrit =
// 5.56 m/s. Lightly damped its amplitude is large (Lj iterated), damped
// more it is small (Lj / b = 6); at vm = 4, vcrit / vm = 1.39 and clat = 0.
TEST(ResponseChart, GriffinPlotOfTheStructure) {
  const struct Row {
    double logDecrement;
    double meanWind;
    bool withForce;
  } rows[] = {{0.012, 25.0, true}, {0.05, 25.0, true}, {0.05, 4.0, false}};
  Chart withClat0;  // the chart of the row before, which clat,0 drives with Lj / b = 6
  for (const Row& row : rows) {
    SCOPED_TRACE(row.meanWind + row.logDecrement);
    ResponseCase cylinder;
    cylinder.diameter = 1.0;
    cylinder.height = 30.0;
    cylinder.naturalFrequency = 1.0;
    cylinder.massPerLength = 200.0;
    cylinder.damping = row.logDecrement;
    cylinder.meanWind = row.meanWind;
    const ResponseResult result = Computed(cylinder);
    const Chart chart = shedding::ChartResponse(cylinder, result);
    const double scruton = result.At(ResponseFigureId::Scruton).value;

    EXPECT_EQ(scruton, chart.point.x);
    EXPECT_EQ(result.At(ResponseFigureId::AmplitudeRatio).value, chart.point.y);
    EXPECT_NEAR(0.1, CurveAt(chart, chart.band.xHigh), 1e-12);
    EXPECT_EQ(0.0, chart.band.xLow);
    for (const double sc : {scruton, chart.band.xHigh}) {
      EXPECT_LT(0.0, chart.xAxis.Share(sc));
      EXPECT_GT(1.0, chart.xAxis.Share(sc));
    }
    for (const auto& point : chart.curve) {
      EXPECT_LE(chart.yAxis.lowest, point.y);
      EXPECT_GE(chart.yAxis.highest, point.y);
    }
    ASSERT_EQ(3u, chart.legend.size());
    EXPECT_EQ(ChartSeries::Band, chart.legend[0].series);
    EXPECT_EQ(ChartSeries::Curve, chart.legend[1].series);
    EXPECT_EQ(ChartSeries::Point, chart.legend[2].series);
    EXPECT_EQ(!row.withForce, chart.legend[1].label.find("clat,0") != std::string::npos);
    if (row.withForce) {
      EXPECT_NEAR(chart.point.y, CurveAt(chart, scruton), 1e-12 * chart.point.y);
      withClat0 = chart;
    } else {
      EXPECT_EQ(0.0, chart.yAxis.Share(chart.point.y));
      EXPECT_NE(std::string::npos, chart.legend[2].label.find("clat = 0"));
      // Without clat the curve is the one clat,0 gives the same damping at
      // a wind where clat = clat,0 and the amplitude leaves Lj / b at 6.
      EXPECT_DOUBLE_EQ(CurveAt(withClat0, scruton), CurveAt(chart, scruton));
      EXPECT_DOUBLE_EQ(withClat0.band.xHigh, chart.band.xHigh);
    }
  }
}

}  // namespace
