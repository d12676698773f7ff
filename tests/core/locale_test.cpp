// The desktop toolkit adopts the user's locale at start-up; numbers must not
// follow it. A German locale is the test because its decimal point is a comma.

#include <gtest/gtest.h>

#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "shedding/correlation.h"
#include "shedding/number_text.h"
#include "shedding/shedding_relation.h"

namespace {

class UnderGermanLocale : public ::testing::Test {
 protected:
  void SetUp() override {
    saved_ = std::setlocale(LC_ALL, nullptr);
    ASSERT_NE(nullptr, std::setlocale(LC_ALL, VORTEX_GERMAN_LOCALE))
        << "locale " VORTEX_GERMAN_LOCALE " is missing; scripts/install-deps.sh generates it";
    // Proof that C's own conversions now use the comma.
    char printed[16];
    std::snprintf(printed, sizeof printed, "%.1f", 0.5);
    ASSERT_STREQ("0,5", printed);
    ASSERT_EQ(0.5, std::strtod("0,5", nullptr));
  }
  void TearDown() override { std::setlocale(LC_ALL, saved_.c_str()); }

 private:
  std::string saved_;
};

TEST_F(UnderGermanLocale, TextStillReadsThePoint) {
  EXPECT_EQ(0.2, shedding::TextToNumber("0.2"));
  EXPECT_EQ(1.5e-3, shedding::TextToNumber(" 1.5e-3 Hz"));
  EXPECT_EQ(0.0, shedding::TextToNumber("0,2"));  // the comma ends the number
}

TEST_F(UnderGermanLocale, ResultsStillShowThePoint) {
  EXPECT_EQ("         0.1", shedding::FormatGeneral(0.1, 12, 3));
  EXPECT_EQ("0.196", shedding::FormatFixed(0.196, 5, 3));

  const auto outcome = shedding::SolveShedding(
      shedding::ShedAnalysis::Diameter, shedding::UnitSystem::Metric,
      {shedding::TextToNumber("0.2"), shedding::TextToNumber("10"), shedding::TextToNumber("5")});
  EXPECT_EQ("         0.1", std::get<shedding::ShedResult>(outcome).text);
  EXPECT_EQ("0.196", shedding::StrouhalText(shedding::StrouhalFromReynolds(2e5)));
}

}  // namespace
