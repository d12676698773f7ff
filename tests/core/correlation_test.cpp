#include "shedding/correlation.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

using shedding::CorrelationTable;
using shedding::StrouhalFromReynolds;
using shedding::StrouhalText;

TEST(StrouhalFromReynolds, TablePointsGiveTheirOwnValue) {
  for (const auto& point : CorrelationTable) {
    EXPECT_EQ(point.strouhal, StrouhalFromReynolds(point.reynolds)) << point.reynolds;
  }
}

// On log-log axes the geometric midpoint of a segment maps to the geometric
// mean of its ends; a wrong interval or a wrong slope misses it.
TEST(StrouhalFromReynolds, EachLogLogIntervalFollowsItsOwnSegment) {
  for (std::size_t i = 1; i + 1 < CorrelationTable.size(); ++i) {
    const auto& low = CorrelationTable[i];
    const auto& high = CorrelationTable[i + 1];
    EXPECT_NEAR(std::sqrt(low.strouhal * high.strouhal),
                StrouhalFromReynolds(std::sqrt(low.reynolds * high.reynolds)), 1e-12)
        << "interval " << i;
    // Closed below, open above, and continuous across every point.
    EXPECT_NEAR(high.strouhal, StrouhalFromReynolds(std::nextafter(high.reynolds, 0.0)), 1e-12);
  }
}

// The rule as written, St_i * (Re / Re_i)^s with s = log10(St_j / St_i) /
// log10(Re_j / Re_i), by the C library at run time (volatile keeps the
// compiler from folding the logarithms with arithmetic of its own, which
// differs in the last place on the last interval): every bit the same.
TEST(StrouhalFromReynolds, LogLogIntervalsAreTheLibrarysPowerOfTheirSlope) {
  for (std::size_t i = 1; i + 1 < CorrelationTable.size(); ++i) {
    const auto& low = CorrelationTable[i];
    const auto& high = CorrelationTable[i + 1];
    const volatile double strouhalRatio = high.strouhal / low.strouhal;
    const volatile double reynoldsRatio = high.reynolds / low.reynolds;
    const double slope = std::log10(strouhalRatio) / std::log10(reynoldsRatio);
    for (double share = 0.0; share < 1.0; share += 0.001) {
      const double reynolds = low.reynolds * std::pow(reynoldsRatio, share);
      EXPECT_EQ(std::pow(reynolds / low.reynolds, slope) * low.strouhal, StrouhalFromReynolds(reynolds)) << reynolds;
    }
  }
}

TEST(StrouhalFromReynolds, WorkedValues) {
  EXPECT_NEAR(0.1480, StrouhalFromReynolds(100), 5e-5);
  EXPECT_NEAR(0.2069, StrouhalFromReynolds(2000), 5e-5);
  EXPECT_NEAR(0.2030, StrouhalFromReynolds(5000), 5e-5);
  EXPECT_NEAR(0.1958, StrouhalFromReynolds(2e5), 5e-5);
  EXPECT_EQ("0.148", StrouhalText(StrouhalFromReynolds(100)));
  EXPECT_EQ("0.207", StrouhalText(StrouhalFromReynolds(2000)));
  EXPECT_EQ("0.203", StrouhalText(StrouhalFromReynolds(5000)));
  EXPECT_EQ("0.196", StrouhalText(StrouhalFromReynolds(2e5)));
  EXPECT_EQ("0.210", StrouhalText(StrouhalFromReynolds(1000)));
  EXPECT_EQ("0.130", StrouhalText(StrouhalFromReynolds(50)));
}

TEST(StrouhalFromReynolds, ZeroUpToThirtyAndConstantFromTenMillion) {
  constexpr double kInfinity = std::numeric_limits<double>::infinity();
  for (double reynolds : {30.0, 10.0, 0.0, -5.0, -kInfinity, std::numeric_limits<double>::quiet_NaN()}) {
    EXPECT_EQ(0.0, StrouhalFromReynolds(reynolds)) << reynolds;
    EXPECT_EQ("0.000", StrouhalText(StrouhalFromReynolds(reynolds)));
  }
  const double justBelow = StrouhalFromReynolds(9999999);
  EXPECT_LT(justBelow, 0.23);
  EXPECT_EQ("0.230", StrouhalText(justBelow));
  for (double reynolds : {1e7, 1e8, 1e300, kInfinity}) {
    EXPECT_EQ(0.23, StrouhalFromReynolds(reynolds)) << reynolds;
  }
}

// Between 30 and 50 the log-log rule has no finite value; the estimate runs
// straight from (30, 0) to (50, 0.13) instead.
TEST(StrouhalFromReynolds, FirstIntervalIsLinearAndFinite) {
  EXPECT_DOUBLE_EQ(0.065, StrouhalFromReynolds(40));
  EXPECT_EQ("0.065", StrouhalText(StrouhalFromReynolds(40)));
  EXPECT_DOUBLE_EQ(0.13 * 0.25, StrouhalFromReynolds(35));
  EXPECT_NEAR(0.0, StrouhalFromReynolds(std::nextafter(30.0, 50.0)), 1e-12);
  EXPECT_NEAR(0.13, StrouhalFromReynolds(std::nextafter(50.0, 0.0)), 1e-12);
  double previous = 0.0;
  for (double reynolds = 30.5; reynolds < 50.0; reynolds += 0.5) {
    const double strouhal = StrouhalFromReynolds(reynolds);
    EXPECT_TRUE(std::isfinite(strouhal)) << reynolds;
    EXPECT_GT(strouhal, previous) << reynolds;
    previous = strouhal;
  }
}

}  // namespace
